// The libFuzzer entry of one target, named when it is built (MIRVO_FUZZ_TARGET).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    // The program starts once, before the first input, not inside it.
    mirvo::fuzz::StartFuzzProgram();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const mirvo::fuzz::FuzzTarget& target = mirvo::fuzz::FuzzTargetNamed(MIRVO_FUZZ_TARGET);
    try {
        mirvo::fuzz::Feed(target, mirvo::files::Bytes(data, data + size));
    } catch (const std::exception& e) {
        // A failed check or an exception out of a reader is a finding: libFuzzer keeps the input.
        std::fprintf(stderr, "%s: %s\n", MIRVO_FUZZ_TARGET, e.what());
        std::abort();
    }
    return 0;
}
