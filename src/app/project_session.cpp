#include "app/project_session.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <exception>
#include <utility>

#include "app/resource_paths.h"
#include "app/save_prompt_dialog.h"
#include "io/project_file.h"
#include "ui/prompts.h"
#include "ui/translate.h"
#include "view/ball_sprite.h"

namespace mb {

namespace {
const char* const kCaption = MB_TRANSLATE_NOOP("TForm1", "Motionbench Ver1.0");
const char* const kCannotOpen = MB_TRANSLATE_NOOP("TForm1", "Can not open this file ,please check you system.");
const char* const kProjectFilter = MB_TRANSLATE_NOOP("TForm1", "(lab file *.kmx) (*.kmx)");
const char* const kGroundFile = "ground.bmp";
const char* const kLastFolderKey = "files/lastFolder";

// The user's documents, where a file chooser starts when nothing better is known.
QString DocumentsFolder() {
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!docs.isEmpty() && QDir(docs).exists()) return docs;
    return QDir::homePath();
}

QImage LoadPicture(const QString& file) {
    QImage picture;
    if (!picture.load(file)) return {};
    return picture.convertToFormat(QImage::Format_RGB32);
}

// One step of the history. A step is made after its change is already in the
// scene, so its first redo does nothing; a copy made when the history is cut
// down is as fresh.
class HistoryStep : public QUndoCommand {
public:
    HistoryStep(ProjectSession& session, const QString& text, std::size_t bytes)
        : QUndoCommand(text), session_(session), bytes_(bytes) {}
    std::size_t bytes() const { return bytes_; }
    virtual HistoryStep* copy() const = 0;
    void redo() override {
        if (fresh_) {
            fresh_ = false;
            return;
        }
        apply(true);
    }
    void undo() override { apply(false); }

protected:
    virtual void apply(bool forward) = 0;
    ProjectSession& session_;

private:
    std::size_t bytes_;
    bool fresh_ = true;
};

class SceneStep : public HistoryStep {
public:
    SceneStep(ProjectSession& session, const QString& text, std::shared_ptr<const SceneDelta> delta)
        : HistoryStep(session, text, sizeof(SceneStep) + delta->bytes() + std::size_t(text.size()) * 2),
          delta_(std::move(delta)) {}
    HistoryStep* copy() const override { return new SceneStep(session_, text(), delta_); }

private:
    void apply(bool forward) override { session_.applyDelta(*delta_, forward); }
    std::shared_ptr<const SceneDelta> delta_;
};

// The picture is shared with the surface and the files; the step holds a reference.
class BackgroundStep : public HistoryStep {
public:
    BackgroundStep(ProjectSession& session, Background before, Background after)
        : HistoryStep(session, MB_TRANSLATE_NOOP("TForm1", "Background"), sizeof(BackgroundStep)),
          before_(std::move(before)), after_(std::move(after)) {}
    HistoryStep* copy() const override { return new BackgroundStep(session_, before_, after_); }

private:
    void apply(bool forward) override { session_.applyBackground(forward ? after_ : before_); }
    Background before_, after_;
};
}  // namespace

Redraw RedrawFor(ProjectPhase phase, bool curveWindowOpen, bool runHalted) {
    if (phase == ProjectPhase::OriginPending) return Redraw::OriginAxes;
    if (curveWindowOpen) return Redraw::StaticScene;
    if (runHalted) return Redraw::RunRepaint;
    return Redraw::Full;
}

ProjectSession::ProjectSession(Prompts& prompts, const QString& settingsFile, const QString& programDirectory,
                               QWidget* window)
    : QObject(window),
      prompts_(prompts),
      settings_(settingsFile.isEmpty() ? std::make_unique<QSettings>("Motionbench", "Motionbench")
                                       : std::make_unique<QSettings>(settingsFile, QSettings::IniFormat)),
      savePrompt_(new SavePromptDialog(window)),
      scene_(std::make_unique<Scene>()),
      baseline_(std::make_unique<Scene>()) {
    // Remark slots start with the font of the hidden memo: white, 15 pixels high,
    // the GB2312 character set, no style.
    for (Remark& r : scene_->remarks) {
        r.charset = 134;
        r.fontColour = PackColour(255, 255, 255);
        r.fontHeight = 15;
        r.pitch = 0;
        r.fontSize = 11;
        r.style = 0;
        r.fontName = "宋体";
    }
    lastFolder_ = settings_->value(kLastFolderKey).toString();
    if (lastFolder_.isEmpty() || !QDir(lastFolder_).exists()) lastFolder_ = DocumentsFolder();
    recent_.load(*settings_);
    examplesFolder_ = ExamplesFolder(programDirectory);
}

ProjectSession::~ProjectSession() {
    // The stack empties itself as it goes and says so: nobody is to hear it, the
    // window that listens is being taken down.
    history_.blockSignals(true);
}

bool ProjectSession::isExample() const { return PathInFolder(path_, examplesFolder_); }

QString ProjectSession::measureFolder() const {
    // Graphs and numbers go beside the project, never into the shipped examples.
    if (path_.isEmpty() || isExample()) return lastFolder_;
    return QFileInfo(path_).absolutePath();
}

bool ProjectSession::loadStartPicture(const QString& startDirectory, const QString& programDirectory) {
    // The start folder's picture wins; the copy beside the program is the fallback,
    // so a program started from anywhere still has its default background.
    QImage picture;
    for (const QString& folder : QStringList{startDirectory} + DataFolders(programDirectory)) {
        picture = LoadPicture(QDir(folder).filePath(kGroundFile));
        if (!picture.isNull()) break;
    }
    startPicture_ = picture;
    background_ = {startPicture_, true, {}};
    return !picture.isNull();
}

const QImage* ProjectSession::shownPicture() const {
    return background_.shown || !projectOpen() ? &background_.picture : nullptr;
}

QString ProjectSession::backgroundKey() const {
    if (!background_.shown) return {};
    return background_.file.isEmpty() ? QString(kGroundFile) : "laid:" + background_.file;
}

void ProjectSession::layBackground() {
    const QString path = prompts_.openPicture(Tr("TForm1", "lay background"), lastFolder_);
    if (path.isEmpty()) return;
    Background after{background_.picture, true, path};
    const QImage picture = LoadPicture(path);
    if (!picture.isNull())
        after.picture = picture;
    else
        prompts_.warning(Tr("TForm1", "Can not read the picture %1").arg(path), Prompts::Ok | Prompts::Cancel);
    Background before = background_;
    background_ = after;
    if (editable()) pushStep(new BackgroundStep(*this, std::move(before), std::move(after)));
    emit changed();
}

void ProjectSession::clearBackground() {
    // While a new project's origin is still chosen there is nothing to take back.
    const bool step = background_.shown && editable();
    Background before = background_;
    background_.shown = false;
    if (step) pushStep(new BackgroundStep(*this, std::move(before), background_));
    emit changed();
}

void ProjectSession::applyBackground(const Background& background) {
    background_ = background;
    emit restored();
    emit changed();
}

void ProjectSession::setPhase(ProjectPhase phase, bool overOpen) {
    phase_ = phase;
    overOpen_ = overOpen;
}

void ProjectSession::resetProject() {
    ResetScene(*scene_);
    namesEncoding_ = NamesEncoding::Utf8;
    background_.shown = false;
    background_.file.clear();
}

void ProjectSession::beginNew() {
    const bool overOpen = projectOpen();
    path_.clear();
    resetProject();
    scene_->settings.AccurateStep = 1;  // new experiments run the accurate step
    if (!overOpen) {
        scene_->settings.ShowCoordinate = 1;
        scene_->view.OriginX = 100;
        scene_->view.OriginY = 100;
    }
    // The project stays open in name while its new origin is chosen.
    setPhase(ProjectPhase::OriginPending, overOpen);
    clearHistory();
    emit changed();
}

void ProjectSession::originSet(double metresPerPixel) {
    scene_->view.MetresPerPixel = metresPerPixel;
    setPhase(ProjectPhase::Open);
    clearHistory();
    // A new project with nothing in it yet has nothing to lose.
    markSaved();
}

void ProjectSession::closeProject() {
    resetProject();
    giveUpOrigin();
}

void ProjectSession::giveUpOrigin() {
    path_.clear();
    setPhase(ProjectPhase::None);
    // The start folder's picture comes back once no project is open.
    background_.picture = startPicture_;
    clearHistory();
    emit changed();
}

bool ProjectSession::askToGoOn() {
    if (!isModified()) return true;  // nothing to lose: go on as "&No" does, without asking
    savePrompt_->load();
    prompts_.exec(*savePrompt_);
    switch (savePrompt_->answer()) {
        case SavePromptDialog::Yes:
            // The experiment must be saved before it goes: a cancelled or failed
            // save stops the command.
            return save();
        case SavePromptDialog::No: return true;
        case SavePromptDialog::Cancel:
        case SavePromptDialog::NoAnswer: break;  // closed by its close box: nothing goes on
    }
    return false;
}

QString ProjectSession::chooseProjectToOpen() {
    const QString path = prompts_.openFile(Tr("TForm1", "open experiment"), lastFolder_, Tr("TForm1", kProjectFilter));
    if (!path.isEmpty()) rememberFolder(path);
    return path;
}

void ProjectSession::rememberFolder(const QString& file) {
    lastFolder_ = QFileInfo(file).absolutePath();
    settings_->setValue(kLastFolderKey, lastFolder_);
}

void ProjectSession::remember(const QString& path) {
    recent_.add(path);
    recent_.save(*settings_);
    emit recentChanged();
}

bool ProjectSession::load(const QString& path, QStringList& notes, const QString& shownAs) {
    ReadResult read;
    try {
        read = ReadProject(QFile::encodeName(path).toStdString(), *scene_);
    } catch (const std::exception& e) {  // out of memory, nothing else is thrown
        read.ok = false;
        read.error = e.what();
    }
    if (!read.ok) {
        // The open experiment and its path stay as they were.
        const QString why = read.cannotOpen ? Tr("TForm1", kCannotOpen) : QString::fromStdString(read.error);
        if (read.cannotOpen && recent_.paths().contains(QFileInfo(path).absoluteFilePath())) {
            // A recent project that is gone leaves the list.
            recent_.remove(path);
            recent_.save(*settings_);
            emit recentChanged();
        }
        prompts_.warning(why, Prompts::Ok | Prompts::Cancel);
        return false;
    }
    resetProject();
    scene_ = std::move(read.scene);
    namesEncoding_ = read.namesEncoding;
    path_ = shownAs.isEmpty() ? QString() : QFileInfo(shownAs).absoluteFilePath();
    const QImage ground =
        path_.isEmpty() ? QImage() : LoadPicture(QDir(QFileInfo(path_).absolutePath()).filePath(kGroundFile));
    background_ = {ground, !ground.isNull(), {}};
    // The reader has already said what it found wrong with a ball; the pictures
    // only need drawing.
    DeriveEveryBall(*scene_);
    if (!path_.isEmpty()) remember(path_);
    for (const std::string& w : read.warnings) notes << QString::fromStdString(w);
    setPhase(ProjectPhase::Open);
    clearHistory();
    return true;
}

void ProjectSession::markSaved() {
    changes_.markSaved(*scene_, backgroundKey());
    history_.setClean();
    emit changed();
}

void ProjectSession::markUnsaved() {
    changes_ = ChangeTracker{};
    emit changed();
}

bool ProjectSession::write(const QString& path) {
    WriteResult r;
    try {
        r = WriteProject(*scene_, QFile::encodeName(path).toStdString(), namesEncoding_);
    } catch (const std::exception& e) {
        r.ok = false;
        r.error = e.what();
    }
    if (r.ok) {
        markSaved();
        return true;
    }
    prompts_.warning(Tr("TForm1", "The experiment could not be saved to %1:\n%2\nThe files that were there are unchanged.")
                         .arg(path, QString::fromStdString(r.error)),
                     Prompts::Ok | Prompts::Cancel);
    return false;
}

EncodedProject ProjectSession::projectBytes() const { return EncodeProject(*scene_, namesEncoding_); }

bool ProjectSession::save() {
    // A project that was never saved has no file yet: ask for one. A shipped
    // example is saved as a copy elsewhere, never over the program's own file.
    if (path_.isEmpty() || isExample()) return saveAs();
    if (!write(path_)) return false;
    remember(path_);
    return true;
}

bool ProjectSession::saveAs() {
    const QString startIn = isExample() ? DocumentsFolder() : lastFolder_;
    QString path = prompts_.saveFile(Tr("TForm1", "save experiment"), startIn, Tr("TForm1", kProjectFilter), "kmx");
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += ".kmx";
    if (!write(path)) return false;
    path_ = QFileInfo(path).absoluteFilePath();
    rememberFolder(path);
    remember(path_);
    emit changed();
    return true;
}

bool ProjectSession::isModified() const { return editable() && changes_.differs(*scene_, backgroundKey()); }

QString ProjectSession::windowTitle() const {
    if (phase_ == ProjectPhase::None) return Tr("TForm1", kCaption);
    const QString name = path_.isEmpty() ? Tr("TForm1", "Untitled") : QFileInfo(path_).fileName();
    return Tr("TForm1", "%1[*] — Motionbench").arg(name);
}

QString ShownStepText(const QString& step) {
    // Every word a step may begin with: what the scene itself says it did, and
    // the verbs the window names its steps with.
    static const char* const verbs[] = {"Place", "Delete", "Edit",  "Experiment settings", "Scale", "Curve settings",
                                        "Data ball", "Move", "Zoom", "Pan", "Background"};
    for (const char* verb : verbs) {
        const QString v = QString::fromUtf8(verb);
        if (step == v) return Tr("TForm1", verb);
        if (!step.startsWith(v + ' ')) continue;
        QString name = step.mid(v.size() + 1);
        if (name == QLatin1String("remark")) name = Tr("TForm1", "remark");
        return Tr("TForm1", "%1 %2").arg(Tr("TForm1", verb), name);
    }
    return step;
}

void ProjectSession::record() {
    const QString verb = std::exchange(nextVerb_, QString());
    if (!editable() || suspended_) return;
    auto delta = std::make_shared<SceneDelta>(SceneDelta::Between(*baseline_, *scene_));
    if (delta->empty()) return;
    delta->redo(*baseline_);
    const QString text = QString::fromStdString(StepText(delta->summary(), verb.toStdString()));
    pushStep(new SceneStep(*this, text, std::move(delta)));
    emit changed();
}

void ProjectSession::rebase() {
    suspended_ = false;
    SceneDelta::Between(*baseline_, *scene_).redo(*baseline_);
}

void ProjectSession::clearHistory() {
    history_.clear();
    historyBytes_ = 0;
    suspended_ = false;
    nextVerb_.clear();
    *baseline_ = *scene_;
}

void ProjectSession::applyDelta(const SceneDelta& delta, bool forward) {
    forward ? delta.redo(*scene_) : delta.undo(*scene_);
    forward ? delta.redo(*baseline_) : delta.undo(*baseline_);
    // Ball pictures are not kept: each ball the step touched is drawn again from
    // its values, every ball when the scale changed.
    if (delta.viewChanged()) {
        DeriveEveryBall(*scene_);
    } else {
        for (const RecordChange& c : delta.records())
            if (c.kind == ElementKind::Ball && scene_->balls[c.index].inUse()) DeriveBall(scene_->balls[c.index], scene_->view);
    }
    emit restored();
    emit changed();
}

void ProjectSession::setHistoryBudget(std::size_t bytes) {
    budget_ = bytes;
    keepToBudget();
}

namespace {
std::size_t StepBytes(const QUndoStack& history, int i) {
    return static_cast<const HistoryStep*>(history.command(i))->bytes();
}
}  // namespace

void ProjectSession::pushStep(QUndoCommand* step) {
    // A new step drops the steps that were undone.
    for (int i = history_.index(); i < history_.count(); ++i) historyBytes_ -= StepBytes(history_, i);
    historyBytes_ += static_cast<const HistoryStep*>(step)->bytes();
    history_.push(step);
    keepToBudget();
}

void ProjectSession::keepToBudget() {
    if (historyBytes_ <= budget_ || history_.count() <= 1) return;
    // QUndoStack cannot drop its oldest steps alone: it is laid anew with the
    // steps that stay, each fresh (their changes are in the scene), and its clean
    // place kept where it still is.
    int drop = 0;
    std::size_t bytes = historyBytes_;
    while (drop < history_.count() - 1 && bytes > budget_ - budget_ / 8) {
        bytes -= StepBytes(history_, drop);
        ++drop;
    }
    const int index = history_.index();
    const int clean = history_.cleanIndex();
    std::vector<QUndoCommand*> kept;
    for (int i = drop; i < history_.count(); ++i)
        kept.push_back(static_cast<const HistoryStep*>(history_.command(i))->copy());
    history_.clear();
    // Steps that were undone go with the cut (a step is pushed with nothing to redo).
    const int stay = std::max(0, index - drop);
    for (int i = 0; i < int(kept.size()); ++i) {
        if (i >= stay) {
            delete kept[std::size_t(i)];
            continue;
        }
        if (i == clean - drop) history_.setClean();
        history_.push(kept[std::size_t(i)]);
    }
    if (clean - drop == stay) history_.setClean();
    if (clean < drop || clean - drop > stay) history_.resetClean();
    historyBytes_ = 0;
    for (int i = 0; i < history_.count(); ++i) historyBytes_ += StepBytes(history_, i);
}

}  // namespace mb
