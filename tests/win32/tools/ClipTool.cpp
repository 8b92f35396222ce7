// A small foreign program for the clipboard tests: it puts formats on the clipboard and dumps
// what is there, with the plain Win32 API only.
//   cliptool set <file>   formats from a file of records
//   cliptool dump <file>  every format held in global memory, as records
// A record: Long name length, the name ("" for predefined formats), Long format id (used when
// there is no name), Long size, the bytes.

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

bool OpenWithRetry() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (OpenClipboard(nullptr)) {
            return true;
        }
        Sleep(20);
    }
    return false;
}

std::int32_t Long(const std::vector<char>& b, size_t& at) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
        v |= static_cast<std::uint32_t>(
                 static_cast<unsigned char>(b.at(at + static_cast<size_t>(i))))
             << (8 * i);
    }
    at += 4;
    return static_cast<std::int32_t>(v);
}

void PutLong(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
}

int Set(const char* path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> b((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
    if (!OpenWithRetry()) {
        return 2;
    }
    EmptyClipboard();
    size_t at = 0;
    while (at < b.size()) {
        const std::int32_t nameLength = Long(b, at);
        const std::string name(b.data() + at, static_cast<size_t>(nameLength));
        at += static_cast<size_t>(nameLength);
        UINT format = static_cast<UINT>(Long(b, at));
        if (!name.empty()) {
            format = RegisterClipboardFormatA(name.c_str());
        }
        const std::int32_t size = Long(b, at);
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(size));
        void* data = GlobalLock(block);
        memcpy(data, b.data() + at, static_cast<size_t>(size));
        GlobalUnlock(block);
        at += static_cast<size_t>(size);
        if (!SetClipboardData(format, block)) {
            GlobalFree(block);
        }
    }
    CloseClipboard();
    return 0;
}

int Dump(const char* path) {
    if (!OpenWithRetry()) {
        return 2;
    }
    std::string out;
    for (UINT format = EnumClipboardFormats(0); format != 0;
         format = EnumClipboardFormats(format)) {
        char name[256] = {};
        const int nameLength = GetClipboardFormatNameA(format, name, 255);
        // Handles that are not global memory are not dumped.
        if (format == CF_BITMAP || format == CF_METAFILEPICT || format == CF_PALETTE ||
            format == CF_ENHMETAFILE || (format >= 0x80 && format <= 0x8E) ||
            (format >= 0x200 && format <= 0x3FF)) {
            continue;
        }
        HANDLE handle = GetClipboardData(format);
        void* data = handle ? GlobalLock(handle) : nullptr;
        if (!data) {
            continue;
        }
        const SIZE_T size = GlobalSize(handle);
        PutLong(out, static_cast<std::uint32_t>(nameLength > 0 ? nameLength : 0));
        out.append(name, static_cast<size_t>(nameLength > 0 ? nameLength : 0));
        PutLong(out, format);
        PutLong(out, static_cast<std::uint32_t>(size));
        out.append(static_cast<const char*>(data), size);
        GlobalUnlock(handle);
    }
    CloseClipboard();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return file ? 0 : 3;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "set") {
        return Set(argv[2]);
    }
    if (argc == 3 && std::string(argv[1]) == "dump") {
        return Dump(argv[2]);
    }
    std::fprintf(stderr, "usage: cliptool set|dump <file>\n");
    return 1;
}
