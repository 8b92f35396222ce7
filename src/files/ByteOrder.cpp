#include "files/ByteOrder.h"

namespace mirvo::files {

void Grow(Bytes& b, size_t size) {
    if (b.size() < size) {
        b.resize(size, 0);
    }
}

}  // namespace mirvo::files
