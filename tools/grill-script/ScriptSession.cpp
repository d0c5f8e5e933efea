#include "ScriptSession.h"

#include <sstream>
#include <string>

#include "JobInfoText.h"
#include "PlanLines.h"
#include "StateReports.h"
#include "app/InventoryFile.h"
#include "app/MainDialogTemplate.h"
#include "platform/StateFolder.h"
#include "testing/RecordingDrawing.h"

namespace grill {
namespace {

std::string Quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

void ExpectWords(const ScriptLine& line, size_t count, std::string_view usage) {
  if (line.words.size() != count) {
    throw ScriptError("usage: " + std::string(usage));
  }
}

bool IsPushButton(ControlKind kind) {
  return kind == ControlKind::PushButton || kind == ControlKind::DefaultPushButton;
}

bool IsList(ControlKind kind) {
  return kind == ControlKind::ListBox || kind == ControlKind::SortedListBox ||
         kind == ControlKind::DropDownCombo;
}

bool TakesText(ControlKind kind) {
  return kind == ControlKind::Edit || kind == ControlKind::Label ||
         kind == ControlKind::DropDownCombo;
}

void PrintAll(std::ostream& out, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    out << line << '\n';
  }
}

// The lines and rectangles drawn. The pens they are drawn with (the
// highlight of a selected bar) are not part of what `paint` prints.
void PrintLines(std::ostream& out, const std::vector<std::string>& operations) {
  for (const std::string& operation : operations) {
    if (!operation.starts_with("pen ")) {
      out << operation << '\n';
    }
  }
}

// The rest of the line: a path, which may hold blanks.
std::string PathOf(const ScriptLine& line, std::string_view usage) {
  if (line.rest.empty()) {
    throw ScriptError("usage: " + std::string(usage));
  }
  return std::string(line.rest);
}

}  // namespace

// clang-format off
const ScriptSession::CommandEntry ScriptSession::kCommands[] = {
    {"text",       &ScriptSession::Text,       false},
    {"select",     &ScriptSession::Select,     true},
    {"pick",       &ScriptSession::Pick,       true},
    {"click",      &ScriptSession::Click,      false},
    {"key",        &ScriptSession::Key,        false},
    {"syscommand", &ScriptSession::SysCommand, true},
    {"show",       &ScriptSession::Show,       false},
    {"designs",    &ScriptSession::Designs,    false},
    {"design",     &ScriptSession::Design,     false},
    {"clock",      &ScriptSession::SetClock,   false},
    {"exportfolder", &ScriptSession::SetExportFolder, false},
    {"mouse",      &ScriptSession::Mouse,      true},
    {"paint",      &ScriptSession::Paint,      false},
    {"canvas",     &ScriptSession::Canvas,     false},
    {"canvassize", &ScriptSession::CanvasSize, false},
    {"editor",     &ScriptSession::Editor,     true},
    {"duplicate",  &ScriptSession::Duplicate,  true},
    {"save",       &ScriptSession::Save,       true},
    {"open",       &ScriptSession::Open,       true},
    {"import",     &ScriptSession::Import,     true},
    {"newjob",     &ScriptSession::NewJob,     true},
    {"undo",       &ScriptSession::Undo,       true},
    {"redo",       &ScriptSession::Redo,       true},
    {"answer",     &ScriptSession::Answer,     false},
    {"job",        &ScriptSession::Job,        false},
    {"cutplan",    &ScriptSession::CutPlan,    false},
    {"jobinfo",    &ScriptSession::JobInfo,    true},
    {"setting",    &ScriptSession::Setting,    false},
};
// clang-format on

ScriptSession::ScriptSession(std::ostream& out, std::ostream& log, ConfigSearch configSearch)
    : out_(out),
      controls_(MainDialogTemplate()),
      dialog_(DesignerServices{controls_, host_, files_, clock_, StdFiles::DefaultExportFolder(),
                               "MenuConfig.txt", log, std::move(configSearch), StateFolder(),
                               WorkingFolder(), &locks_}) {
  clock_.now = SystemClock().Now();
  const auto printMessage = [this](const std::string& text) {
    out_ << "message: " << text << '\n';
  };
  controls_.onMessage = printMessage;
  host_.onModalMessage = printMessage;
  host_.onAbout = [this] { out_ << "about: " << kAboutText << '\n'; };
  host_.onQuestion = [this](const std::string& text) { out_ << "question: " << text << '\n'; };
}

void ScriptSession::Start() {
  dialog_.OnInitDialog();
  if (const auto restored = dialog_.Restored()) {
    out_ << "restored: " << *restored << " designs\n";
  }
}

void ScriptSession::Execute(std::string_view text) {
  const ScriptLine line = SplitScriptLine(text);
  for (const CommandEntry& entry : kCommands) {
    if (entry.word == line.command) {
      if (entry.reachesMainDialog && host_.ModalControls() != nullptr) {
        throw ScriptError("the window editor is open");
      }
      (this->*entry.run)(line);
      return;
    }
  }
  throw ScriptError("unknown command " + Quoted(line.command));
}

MemoryControls& ScriptSession::AddressedControls() {
  MemoryControls* editor = host_.ModalControls();
  return editor != nullptr ? *editor : controls_;
}

int ScriptSession::KnownControl(const MemoryControls& controls, std::string_view word) const {
  const int id = ParseScriptNumber(word);
  if (!controls.Has(id)) {
    throw ScriptError("unknown control " + std::string(word));
  }
  return id;
}

void ScriptSession::Text(const ScriptLine& line) {
  const auto [idWord, text] = SplitIdAndText(line.rest);
  if (idWord.empty()) {
    throw ScriptError("usage: text ID TEXT");
  }
  MemoryControls& controls = AddressedControls();
  const int id = KnownControl(controls, idWord);
  if (!TakesText(controls.KindOf(id))) {
    throw ScriptError("control " + std::string(idWord) + " takes no text");
  }
  controls.SetText(id, text);
  // Text put into the main dialog's field is typing, which the field reports.
  if (&controls == &controls_ && controls.KindOf(id) == ControlKind::Edit) {
    dialog_.Dispatch(id, Notification::TextEdited);
  }
}

void ScriptSession::SelectEntry(int id, int index) {
  if (!IsList(controls_.KindOf(id))) {
    throw ScriptError("control " + std::to_string(id) + " has no entries");
  }
  if (!controls_.IsVisible(id)) {
    throw ScriptError("control " + std::to_string(id) + " is hidden");
  }
  if (index < -1 || index >= controls_.EntryCount(id)) {
    throw ScriptError("control " + std::to_string(id) + " has no entry " + std::to_string(index));
  }
  controls_.SetSelection(id, index);
  if (index >= 0) {
    dialog_.Dispatch(id, Notification::SelectionChanged);
  }
}

void ScriptSession::Select(const ScriptLine& line) {
  ExpectWords(line, 2, "select ID INDEX");
  const int id = KnownControl(controls_, line.words[0]);
  SelectEntry(id, ParseScriptNumber(line.words[1]));
}

void ScriptSession::Pick(const ScriptLine& line) {
  const auto [idWord, text] = SplitIdAndText(line.rest);
  if (idWord.empty()) {
    throw ScriptError("usage: pick ID TEXT");
  }
  const int id = KnownControl(controls_, idWord);
  const int index = controls_.FindEntryExact(id, text);
  if (index < 0) {
    throw ScriptError("control " + std::string(idWord) + " has no entry " + Quoted(text));
  }
  SelectEntry(id, index);
}

void ScriptSession::Click(const ScriptLine& line) {
  ExpectWords(line, 1, "click ID");
  MemoryControls& controls = AddressedControls();
  const int id = KnownControl(controls, line.words[0]);
  const ControlKind kind = controls.KindOf(id);
  if (!IsPushButton(kind) && kind != ControlKind::RadioButton) {
    throw ScriptError("control " + std::to_string(id) + " is not a button");
  }
  if (!controls.IsVisible(id)) {
    throw ScriptError("control " + std::to_string(id) + " is hidden");
  }
  if (&controls != &controls_) {
    ClickEditorControl(controls, id);
    return;
  }
  if (kind == ControlKind::RadioButton) {
    controls_.ClickRadio(id);
  }
  dialog_.Dispatch(id, Notification::Clicked);
}

void ScriptSession::ClickEditorControl(MemoryControls& editor, int id) {
  if (id == kIdOk) {
    host_.ClickModalOk();
  } else if (id == kIdCancel) {
    host_.CancelModal();
  } else if (editor.KindOf(id) == ControlKind::RadioButton) {
    editor.ClickRadio(id);
  }
}

// The keys reach the window editor while it is open, as its OK and Cancel.
void ScriptSession::Key(const ScriptLine& line) {
  ExpectWords(line, 1, "key enter|escape");
  const bool editorOpen = host_.ModalControls() != nullptr;
  if (line.words[0] == "enter") {
    if (editorOpen) {
      host_.ClickModalOk();
    } else {
      dialog_.OnOK();
    }
  } else if (line.words[0] == "escape") {
    if (editorOpen) {
      host_.CancelModal();
    } else {
      dialog_.OnCancel();
    }
  } else {
    throw ScriptError("unknown key " + Quoted(line.words[0]));
  }
}

void ScriptSession::SysCommand(const ScriptLine& line) {
  ExpectWords(line, 1, "syscommand N");
  dialog_.OnSysCommand(ParseScriptNumber(line.words[0]));
}

void ScriptSession::Show(const ScriptLine& line) {
  ExpectWords(line, 1, "show ID");
  const MemoryControls& controls = AddressedControls();
  out_ << ControlReport(controls, KnownControl(controls, line.words[0])) << '\n';
}

void ScriptSession::Designs(const ScriptLine& line) {
  ExpectWords(line, 0, "designs");
  for (const GrillWindow& window : dialog_.State().document.Designs()) {
    out_ << "window " << window.name << '\n';
  }
}

void ScriptSession::Design(const ScriptLine& line) {
  ExpectWords(line, 0, "design");
  PrintAll(out_, DesignReport(dialog_.ShownDesign()));
}

void ScriptSession::SetClock(const ScriptLine& line) {
  ExpectWords(line, 6, "clock YYYY MM DD hh mm ss");
  int parts[6];
  for (size_t i = 0; i < 6; ++i) {
    parts[i] = ParseScriptNumber(line.words[i]);
  }
  struct Range {
    const char* name;
    int low;
    int high;
  };
  static constexpr Range kRanges[] = {
      {"month", 1, 12}, {"day", 1, 31}, {"hour", 0, 23}, {"minute", 0, 59}, {"second", 0, 60}};
  for (size_t i = 0; i < 5; ++i) {
    const Range& range = kRanges[i];
    if (parts[i + 1] < range.low || parts[i + 1] > range.high) {
      throw ScriptError(std::string(range.name) + " must be " + std::to_string(range.low) + " to " +
                        std::to_string(range.high));
    }
  }
  clock_.now = LocalTime{parts[0], parts[1] - 1, parts[2], parts[3], parts[4], parts[5]};
}

void ScriptSession::SetExportFolder(const ScriptLine& line) {
  if (line.rest.empty()) {
    throw ScriptError("usage: exportfolder PATH");
  }
  dialog_.SetExportFolder(std::string(line.rest));
}

void ScriptSession::Mouse(const ScriptLine& line) {
  ExpectWords(line, 4, "mouse down|move|up X Y FLAGS");
  using Handler = void (CGrillDesignerDlg::*)(unsigned, int, int);
  const std::string_view action = line.words[0];
  Handler handler = nullptr;
  if (action == "down") {
    handler = &CGrillDesignerDlg::OnCanvasLButtonDown;
  } else if (action == "move") {
    handler = &CGrillDesignerDlg::OnCanvasMouseMove;
  } else if (action == "up") {
    handler = &CGrillDesignerDlg::OnCanvasLButtonUp;
  } else {
    throw ScriptError("unknown mouse action " + Quoted(action));
  }
  const int x = ParseScriptNumber(line.words[1]);
  const int y = ParseScriptNumber(line.words[2]);
  (dialog_.*handler)(ParseMouseFlags(line.words[3]), x, y);
}

void ScriptSession::Paint(const ScriptLine& line) {
  ExpectWords(line, 0, "paint");
  RecordingDrawing dialogDc;
  RecordingDrawing canvasDc;
  dialog_.OnPaint(dialogDc, canvasDc);
  PrintLines(out_, dialogDc.operations);
  PrintLines(out_, canvasDc.operations);
}

void ScriptSession::Canvas(const ScriptLine& line) {
  ExpectWords(line, 0, "canvas");
  out_ << CanvasReport(dialog_.View().Canvas()) << '\n';
}

void ScriptSession::CanvasSize(const ScriptLine& line) {
  ExpectWords(line, 2, "canvassize WIDTH HEIGHT");
  // Beyond this a canvas is larger than any screen.
  constexpr int kLargest = 100'000;
  const int width = ParseScriptNumber(line.words[0]);
  const int height = ParseScriptNumber(line.words[1]);
  if (width < 1 || width > kLargest || height < 1 || height > kLargest) {
    throw ScriptError("canvas size must be 1 to " + std::to_string(kLargest));
  }
  dialog_.OnCanvasResize(width, height);
}

void ScriptSession::Editor(const ScriptLine& line) {
  ExpectWords(line, 0, "editor");
  if (!dialog_.CanOpenWindowEditor()) {
    throw ScriptError("no current design");
  }
  dialog_.OpenWindowEditor();
}

void ScriptSession::Duplicate(const ScriptLine& line) {
  ExpectWords(line, 0, "duplicate");
  if (!dialog_.CanDuplicateDesign()) {
    throw ScriptError("no current design");
  }
  dialog_.DuplicateCurrentDesign();
}

void ScriptSession::Save(const ScriptLine& line) {
  if (!line.rest.empty()) {
    dialog_.Job().SaveAs(std::string(line.rest));
    return;
  }
  if (dialog_.Job().Path().empty()) {
    throw ScriptError("the job has no file");
  }
  dialog_.Job().Save();
}

void ScriptSession::Open(const ScriptLine& line) {
  dialog_.Job().Open(PathOf(line, "open PATH"));
}

void ScriptSession::Import(const ScriptLine& line) {
  dialog_.Job().Import(PathOf(line, "import PATH"));
}

void ScriptSession::NewJob(const ScriptLine& line) {
  ExpectWords(line, 0, "newjob");
  dialog_.Job().NewJob();
}

void ScriptSession::Undo(const ScriptLine& line) {
  ExpectWords(line, 0, "undo");
  dialog_.Job().Undo();
}

void ScriptSession::Redo(const ScriptLine& line) {
  ExpectWords(line, 0, "redo");
  dialog_.Job().Redo();
}

void ScriptSession::Answer(const ScriptLine& line) {
  ExpectWords(line, 1, "answer save|discard|cancel");
  static constexpr std::pair<std::string_view, SaveAnswer> kAnswers[] = {
      {"save", SaveAnswer::Save}, {"discard", SaveAnswer::Discard}, {"cancel", SaveAnswer::Cancel}};
  for (const auto& [word, answer] : kAnswers) {
    if (word == line.words[0]) {
      host_.answer = answer;
      return;
    }
  }
  // The answer to a Yes/No question.
  if (line.words[0] == "yes" || line.words[0] == "no") {
    host_.answerYes = line.words[0] == "yes";
    return;
  }
  throw ScriptError("unknown answer " + Quoted(line.words[0]));
}

void ScriptSession::Job(const ScriptLine& line) {
  ExpectWords(line, 0, "job");
  const JobSession& job = dialog_.Job();
  out_ << "job " << (job.Path().empty() ? std::string("-") : job.Path())
       << " modified=" << (job.Modified() ? 1 : 0) << '\n';
}

void ScriptSession::CutPlan(const ScriptLine& line) {
  constexpr std::string_view kUsage = "cutplan [take|undo|inventory]";
  if (line.words.size() == 1) {
    static constexpr std::pair<std::string_view, void (ScriptSession::*)()> kWords[] = {
        {"take", &ScriptSession::TakeFromStock},
        {"undo", &ScriptSession::UndoTake},
        {"inventory", &ScriptSession::PrintInventory}};
    for (const auto& [word, run] : kWords) {
      if (line.words[0] == word) {
        (this->*run)();
        return;
      }
    }
  }
  ExpectWords(line, 0, kUsage);
  CuttingPlanOutcome outcome = dialog_.CuttingPlan();
  if (!outcome.plan) {
    out_ << outcome.message << '\n';
    return;
  }
  for (const std::string& text : PlanScriptLines(*outcome.plan, outcome.units.saw)) {
    out_ << text << '\n';
  }
  // A new plan is taken on its own, as a new Cutting Plan window would be.
  plan_ = std::move(outcome.plan);
  taking_ = StockTaking();
}

void ScriptSession::TakeFromStock() {
  if (!plan_) {
    out_ << "message: No cutting plan to take from stock: cutplan makes one.\n";
    return;
  }
  if (const std::string message = taking_.Take(*plan_, files_, host_); !message.empty()) {
    out_ << "message: " << message << '\n';
  }
}

void ScriptSession::UndoTake() {
  out_ << "message: " << taking_.Undo(files_) << '\n';
}

void ScriptSession::PrintInventory() {
  const InventoryFileReading reading = ReadInventoryFile(files_, dialog_.InventoryPath());
  // The lines as the file writes them, its comments left out.
  std::istringstream lines(WriteInventory(reading.inventory));
  bool none = true;
  for (std::string text; std::getline(lines, text);) {
    if (!text.starts_with('#')) {
      out_ << "inventory " << text << '\n';
      none = false;
    }
  }
  if (none) {
    out_ << "inventory none\n";
  }
  for (const std::string& note : reading.notes) {
    out_ << "note " << kInventoryFileName << ": " << note << '\n';
  }
}

// Without words, prints each detail as the line that sets it; otherwise sets
// one, as File > Job Properties... does, a refusal being its message.
void ScriptSession::JobInfo(const ScriptLine& line) {
  DesignDocument& document = dialog_.State().document;
  if (line.rest.empty()) {
    for (const JobDetail detail : kJobDetails) {
      const std::string& value = document.Details()[detail];
      out_ << "jobinfo " << DetailWord(detail)
           << (value.empty() ? "" : " " + (detail == JobDetail::Notes ? EscapeNotes(value) : value))
           << '\n';
    }
    return;
  }
  const auto [word, text] = SplitIdAndText(line.rest);
  const std::optional<JobDetail> detail = DetailNamed(word);
  if (!detail) {
    throw ScriptError("usage: jobinfo [customer|order|due|notes TEXT]");
  }
  JobDetails details = document.Details();
  details[*detail] = *detail == JobDetail::Notes ? UnescapeNotes(text) : std::string(text);
  if (const std::optional<std::string> refusal = CommitJobDetails(document, std::move(details))) {
    out_ << "message: " << *refusal << '\n';
  }
}

void ScriptSession::Setting(const ScriptLine& line) {
  ExpectWords(line, 2, "setting jobfolder on|off");
  if (line.words[0] != "jobfolder") {
    throw ScriptError("unknown setting " + Quoted(line.words[0]));
  }
  if (line.words[1] != "on" && line.words[1] != "off") {
    throw ScriptError("usage: setting jobfolder on|off");
  }
  dialog_.SetExportLayout(line.words[1] == "on" ? ExportLayout::kFolderPerJob
                                                : ExportLayout::kExportFolder);
}

int RunScript(std::istream& script, std::ostream& out, std::ostream& err,
              ConfigSearch configSearch) {
  ScriptSession session(out, err, std::move(configSearch));
  session.Start();
  std::string text;
  int lineNumber = 0;
  while (!session.Ended() && std::getline(script, text)) {
    ++lineNumber;
    const std::string_view line = WithoutCarriageReturn(text);
    if (!IsCommandLine(line)) {
      continue;
    }
    try {
      session.Execute(line);
    } catch (const ScriptError& error) {
      out.flush();
      err << "error: line " << lineNumber << ": " << error.what() << '\n';
      return 2;
    }
    out.flush();
  }
  if (session.Ended()) {
    out << "ended\n";
  }
  out.flush();
  return 0;
}

}  // namespace grill
