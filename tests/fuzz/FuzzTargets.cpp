#include "fuzz/FuzzTargets.h"

#include <stdexcept>

#include "fuzz/FuzzProgram.h"

namespace mirvo::fuzz {

void StartFuzzProgram() {
    FuzzProgram::Get();
}

const std::vector<FuzzTarget>& AllFuzzTargets() {
    static const std::vector<FuzzTarget> targets = [] {
        std::vector<FuzzTarget> all;
        AddSettingsTargets(all);
        AddLaunchPadTargets(all);
        AddGroupTargets(all);
        AddTransferTargets(all);
        AddLibraryTargets(all);
        AddClipTargets(all);
        AddHelpTargets(all);
        AddDialogTargets(all);
        AddBulkTargets(all);
        AddFolderTargets(all);
        AddSearchTargets(all);
        return all;
    }();
    return targets;
}

const FuzzTarget& FuzzTargetNamed(const std::string& name) {
    for (const FuzzTarget& target : AllFuzzTargets()) {
        if (name == target.name) {
            return target;
        }
    }
    throw std::invalid_argument("no fuzz target named " + name);
}

void Feed(const FuzzTarget& target, const files::Bytes& input) {
    FuzzProgram& program = FuzzProgram::Get();
    program.Write(target.file(program.app()), input);
    target.read(program, input);
}

std::vector<files::Bytes> Seeds(const FuzzTarget& target) {
    FuzzProgram& program = FuzzProgram::Get();
    std::vector<files::Bytes> seeds = {program.AsWritten(target.file(program.app())), {}};
    if (target.extraSeeds) {
        for (files::Bytes& seed : target.extraSeeds()) {
            seeds.push_back(std::move(seed));
        }
    }
    return seeds;
}

}  // namespace mirvo::fuzz
