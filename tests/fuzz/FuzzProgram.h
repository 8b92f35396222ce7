#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>

#include "doubles/TestApp.h"
#include "files/ByteOrder.h"

namespace mirvo::fuzz {

// A reader broke a promise about what it read or left on disk.
class Violation : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Throws Violation with what when ok is false.
void Require(bool ok, const std::string& what);
// A title as a panel shows it: at most width bytes, no trailing space.
void RequireTitle(const std::string& title, size_t width, const std::string& what);

// The program started headless once per process over a temporary folder and given content by
// its own writers: every data file a reader takes exists, with real content, before the first
// input replaces one of them.
class FuzzProgram {
public:
    // The one instance of the process, started on first use.
    static FuzzProgram& Get();

    App& app() { return m_app; }
    test::TestApp& doubles() { return m_test; }

    // Puts bytes into a file, replacing what it held.
    void Write(const std::string& path, const files::Bytes& bytes);
    files::Bytes Read(const std::string& path) const;
    // The file as the program wrote it at start, before any input replaced it; empty when it
    // wrote none there.
    files::Bytes AsWritten(const std::string& path) const;

    // The clipboard as another program left it: empty, with this run's marker formats.
    void ResetClipboard();

    // A file that held content is left as it was by reading it; an empty one now holds the
    // defaults the program writes for a new file.
    void RequireKeptOrDefault(const std::string& path, const files::Bytes& input,
                              const files::Bytes& defaults) const;

private:
    FuzzProgram();
    void GiveContent();

    test::TestApp m_test;
    App& m_app;
    std::map<std::string, files::Bytes> m_written;
};

}  // namespace mirvo::fuzz
