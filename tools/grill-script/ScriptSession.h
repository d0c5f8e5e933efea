#pragma once

#include <istream>
#include <ostream>
#include <string_view>

#include "ScriptLine.h"
#include "app/GrillDesignerDlg.h"
#include "app/StockTaking.h"
#include "platform/FileLocks.h"
#include "platform/Files.h"
#include "testing/MemoryControls.h"
#include "testing/MemoryHost.h"
#include "testing/SettableClock.h"

namespace grill {

// The designer without a screen: the real main dialog and its handlers on
// in-memory controls, driven by the commands of a script. Message boxes,
// the about box and the end of the dialog are printed to `out` as they happen.
class ScriptSession {
 public:
  // `log` receives the designer's notes on MenuConfig.txt; `configSearch`
  // says where else to look when the working folder holds none.
  ScriptSession(std::ostream& out, std::ostream& log, ConfigSearch configSearch = {});
  ScriptSession(const ScriptSession&) = delete;
  ScriptSession& operator=(const ScriptSession&) = delete;

  // The dialog's initialisation, run to its end as in the designer; a
  // restore of a former run's work prints "restored: N designs".
  void Start();
  // Carries out one command line; throws ScriptError when it cannot.
  void Execute(std::string_view line);
  // True once the main dialog has ended.
  bool Ended() const { return controls_.Ended(); }

 private:
  using Command = void (ScriptSession::*)(const ScriptLine&);
  struct CommandEntry {
    std::string_view word;
    Command run;
    bool reachesMainDialog;  // refused while the window editor is open
  };
  static const CommandEntry kCommands[];

  void Text(const ScriptLine& line);
  void Select(const ScriptLine& line);
  void Pick(const ScriptLine& line);
  void Click(const ScriptLine& line);
  void Key(const ScriptLine& line);
  void SysCommand(const ScriptLine& line);
  void Show(const ScriptLine& line);
  void Designs(const ScriptLine& line);
  void Design(const ScriptLine& line);
  void SetClock(const ScriptLine& line);
  void SetExportFolder(const ScriptLine& line);
  void Mouse(const ScriptLine& line);
  void Paint(const ScriptLine& line);
  void Canvas(const ScriptLine& line);
  void CanvasSize(const ScriptLine& line);
  void Editor(const ScriptLine& line);
  void Duplicate(const ScriptLine& line);
  void Save(const ScriptLine& line);
  void Open(const ScriptLine& line);
  void Import(const ScriptLine& line);
  void NewJob(const ScriptLine& line);
  void Undo(const ScriptLine& line);
  void Redo(const ScriptLine& line);
  void Answer(const ScriptLine& line);
  void Job(const ScriptLine& line);
  void CutPlan(const ScriptLine& line);
  void TakeFromStock();
  void UndoTake();
  void PrintInventory();
  void JobInfo(const ScriptLine& line);
  void Setting(const ScriptLine& line);

  // The controls that `text`, `click` and `show` address: the window
  // editor's while it is open, otherwise the main dialog's.
  MemoryControls& AddressedControls();
  int KnownControl(const MemoryControls& controls, std::string_view word) const;
  void SelectEntry(int id, int index);
  void ClickEditorControl(MemoryControls& editor, int id);

  std::ostream& out_;
  MemoryControls controls_;
  MemoryHost host_;
  StdFiles files_;
  StdFileLocks locks_;
  SettableClock clock_;
  CGrillDesignerDlg dialog_;
  // The plan `cutplan` printed last, which `cutplan take` takes from stock.
  std::optional<JobCuttingPlan> plan_;
  StockTaking taking_;
};

// Runs start-up and then every line of `script`. Returns the exit status:
// 0 when the script ran out or the dialog ended, 2 after a line that could
// not be carried out ("error: line N: REASON" on `err`).
int RunScript(std::istream& script, std::ostream& out, std::ostream& err,
              ConfigSearch configSearch = {});

}  // namespace grill
