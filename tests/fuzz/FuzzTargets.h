#pragma once

#include <string>
#include <vector>

#include "files/ByteOrder.h"

namespace mirvo {
class App;
}

namespace mirvo::fuzz {

class FuzzProgram;

// One reader of a data file under fuzzing: the input becomes the file, the program reads it the
// way it does in use, and what it read and left on disk is checked.
struct FuzzTarget {
    const char* name;
    // The file that the input becomes.
    std::string (*file)(const App& app);
    // Reads the file through the program and checks the result; input is what the file held.
    void (*read)(FuzzProgram& program, const files::Bytes& input);
    // Valid files beyond the one the program itself left at that path (other layouts).
    std::vector<files::Bytes> (*extraSeeds)() = nullptr;
};

// Starts the program that the targets read through (once per process).
void StartFuzzProgram();

const std::vector<FuzzTarget>& AllFuzzTargets();
// The target of that name; throws std::invalid_argument for an unknown one.
const FuzzTarget& FuzzTargetNamed(const std::string& name);

// Writes the input to the target's file and reads it. Violation when a check fails; any other
// exception escaping is a fault of the reader too.
void Feed(const FuzzTarget& target, const files::Bytes& input);

// The seeds of a target: the file as the program wrote it, the extra layouts, and an empty file.
std::vector<files::Bytes> Seeds(const FuzzTarget& target);

// The targets, by the files they read.
void AddSettingsTargets(std::vector<FuzzTarget>& targets);
void AddLaunchPadTargets(std::vector<FuzzTarget>& targets);
// The launch pad's files as the program writes them, for the seeds.
void GiveLaunchPadContent(App& app);
void AddGroupTargets(std::vector<FuzzTarget>& targets);
void AddTransferTargets(std::vector<FuzzTarget>& targets);
void AddLibraryTargets(std::vector<FuzzTarget>& targets);
void AddClipTargets(std::vector<FuzzTarget>& targets);
void AddHelpTargets(std::vector<FuzzTarget>& targets);
void AddDialogTargets(std::vector<FuzzTarget>& targets);
void AddBulkTargets(std::vector<FuzzTarget>& targets);
void AddFolderTargets(std::vector<FuzzTarget>& targets);
void AddSearchTargets(std::vector<FuzzTarget>& targets);

}  // namespace mirvo::fuzz
