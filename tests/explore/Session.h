#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "explore/Step.h"
#include "explore/StoreView.h"
#include "explore/World.h"

namespace mirvo::explore {

// A broken invariant, with the step that broke it.
struct Violation {
    int invariant = 0;   // 1..7
    std::string kind;    // what broke, in the same words for the same fault
    std::string detail;  // where and how
    size_t step = 0;     // 1-based, in the steps the session executed
    std::string Describe() const;
};

// Control event handlers by form: those connected and those that ran, each named
// "control.event" (a control array counts once).
struct Coverage {
    std::map<std::string, std::set<std::string>> connected;
    std::map<std::string, std::set<std::string>> reached;
    void Merge(const Coverage& other);
};

// A step the session may take now, and how often the generator should choose it.
struct Candidate {
    Step step;
    double weight = 1;
};

class Session;

// Where the steps of a session come from: a generator or a script.
class StepSource {
public:
    virtual ~StepSource() = default;
    // The next step, or nothing at the end. modal: the modal form the program waits on, if any,
    // with the steps taken while it has been up.
    virtual std::optional<Step> Next(Session& session, const forms::Form* modal,
                                     int stepsInModal) = 0;
    // A scripted step that the session gives back (it needs an outer level).
    virtual void PutBack() {}
    virtual bool Replaying() const = 0;
    // The generator's choice among what a step may do next (a drag's target); -1: none.
    virtual int Choose(const std::vector<Candidate>& choices) = 0;
};

// The parts of the files a step may change: slots, whole groups, whole transfer rows, whole
// library folders.
struct Footprint {
    std::set<SlotKey> slots;
    std::set<std::string> folders;
    void Add(const SlotKey& key) { slots.insert(key); }
    void AddGroup(const std::string& folder, int group) { slots.insert({folder, group, -1}); }
    void Add(const Footprint& other);
    bool Covers(const SlotKey& key) const;
};

// One session: a fresh world, the program started on every machine, then steps until the source
// ends or an invariant breaks. Checks every invariant after every step.
class Session {
public:
    struct Options {
        int machines = 1;
        // Runs after every start of the program (a test plants a fault here).
        std::function<void(App&)> afterStart;
    };
    Session(StepSource& source, Options options, Coverage* coverage = nullptr);
    ~Session();

    // Runs the session; the first broken invariant ends it.
    std::optional<Violation> Run();
    const std::vector<Step>& Executed() const { return m_executed; }
    World& world() { return m_world; }

    // What the user and the world can do now (for the generator); modal: the modal form up.
    std::vector<Candidate> Candidates(const forms::Form* modal);
    // Ways to close the modal form.
    std::vector<Candidate> Closers(const forms::Form& modal);

private:
    struct DialogIntent {
        int machine = 0;
        const forms::Form* form = nullptr;
        std::string name;
        std::optional<SlotKey> slot;  // the clip it edits
        bool filledAtOpen = false;    // that slot held a clip when it opened
        bool preview = false;         // it shows a picture: nothing to edit in it
        bool othersOpened = false;    // another editing dialog opened while it was open
        std::optional<files::Bytes> dataAtOpen;
        std::optional<files::Bytes> history;  // a clipboard clip's data when it opened
        int historyIndex = -1;
    };
    // A drag: what it takes and where it goes, with both ends just before the drop.
    struct DragEnds {
        std::string sourceName;
        std::string targetName;
        std::optional<SlotKey> source;
        std::optional<SlotKey> target;
        Slot sourceBefore;
        Slot targetBefore;
        std::optional<files::Bytes> historyData;
        bool move = false;
        std::int32_t sourceDefault = 0;
        std::int32_t targetDefault = 0;
        bool toBulkCache = false;
        int bulkBefore = 0;
        // The bulk cache dropped on a group name: its items' data before, and the group.
        std::vector<files::Bytes> bulkItems;
        std::optional<SlotKey> bulkGroup;
        // A group name dropped on a group name: both groups (slot -1).
        std::optional<SlotKey> sourceGroup;
        std::optional<SlotKey> targetGroup;
    };
    // A step in progress; steps nest while modal forms are up.
    struct Frame {
        const Step* step = nullptr;
        Footprint footprint;
        bool mayPaste = false;
        // What the step points at, to know what a dialog it opens is for.
        std::optional<SlotKey> pointed;
        int pointedHistory = -1;
        std::shared_ptr<const DialogIntent> dialog;  // the editing dialog the step acts on
        std::optional<DragEnds> drag;
        // What that dialog showed before the step: its title, the colour chosen (0: the
        // panel's default), and the clipboard clips' titles with their data files.
        std::string dialogTitle;
        std::optional<std::int32_t> chosenColor;
        std::vector<std::string> historyTitles;
        // The history's data files then: a capture in a step nested in this one moves titles.
        std::vector<std::optional<files::Bytes>> historyFiles;
    };
    struct Held {
        int keyCode;
        int shift;
    };

    void StartMachine(Machine& machine);
    void OnModal(Machine& machine, forms::Form& form);
    void Execute(Step step);
    bool Applicable(const Step& step, bool& needsOuterLevel);
    void Apply(Step& step, Frame& frame);
    void ApplyDrag(Step& step, Frame& frame);
    void ApplyWorld(Step& step, Frame& frame);
    void Release(Machine& machine);
    void Settle(Frame& frame);
    bool CaughtUp(Machine& machine);
    bool LevelAlive() const;
    void CloseAtEnd(forms::Form& form);
    void EndSession();

    // What the user means.
    std::optional<SlotKey> SlotOf(Machine& machine, const forms::Control& control);
    std::string FolderOf(Machine& machine, int group);
    std::string Relative(const std::string& folder) const;
    void PrepareFrame(Frame& frame, const Step& step);
    void PrepareDrop(Machine& machine, const forms::Control& source, const forms::Control& target,
                     Frame& frame);
    std::shared_ptr<const DialogIntent> DialogOf(const forms::Form* form) const;
    void NoteDialogs(Machine& machine);
    void FollowMovedClips(const Frame& frame,
                          const std::map<std::string, std::optional<files::Bytes>>& before);

    // The invariants (Invariants.cpp).
    void Check(const Frame& frame);
    void CheckFrame(const std::map<std::string, std::optional<files::Bytes>>& before);
    void CheckPanels(Machine& machine);
    void CheckFiles(const std::map<std::string, std::optional<files::Bytes>>& before);
    void CheckErrors(Machine& machine);
    void CheckKeys(Machine& machine);
    void CheckDialogs(Machine& machine);
    void CheckDialogSave(const Frame& frame,
                         const std::map<std::string, std::optional<files::Bytes>>& before);
    void CheckOptions(Machine& machine);
    void CheckMove(const Frame& frame);
    bool ShownBefore(const SlotKey& key, const Slot& slot);
    void CheckRestart(Machine& machine, const std::vector<std::string>& shownBefore);
    std::vector<std::string> Shown(Machine& machine);
    [[noreturn]] void Fail(int invariant, const std::string& kind, const std::string& detail);

    // Coverage.
    void Scan(const forms::Form& form);

    StepSource& m_source;
    Options m_options;
    Coverage* m_coverage;
    World m_world;
    std::vector<Step> m_executed;
    std::vector<Frame*> m_frames;
    std::vector<std::shared_ptr<DialogIntent>> m_dialogs;
    std::vector<const forms::Form*> m_modals;
    // The machine whose modal form is innermost: one call stack holds every machine's modal
    // forms, so the others wait until it has gone (time does not pass for them meanwhile).
    std::vector<int> m_modalMachines;
    std::vector<Held> m_held;
    std::optional<Violation> m_violation;
    std::set<const forms::Form*> m_scanned;
    // The machine diverged from its files after a fault of the world (a full disk): what it
    // shows is not checked against the files until it starts again.
    std::set<int> m_diverged;
    // Transfer slots whose reference to a group a start emptied in the window only: the next
    // save of the transfer slots empties them in the file.
    std::set<SlotKey> m_startEmptied;
    // Per machine: the paste job and the wait for a click seen after the last step.
    std::map<int, int> m_pendingPasteJob;
    std::map<int, bool> m_waitForClick;
    // Over a shared folder: the machines whose windows had their refresh after the last step,
    // with no file changed since and the files all readable.
    std::set<int> m_caughtUp;
    std::set<int> m_caughtUpBefore;  // before the step under way
    std::map<int, int> m_refreshes;  // the main window's timer ticks, by machine
};

}  // namespace mirvo::explore
