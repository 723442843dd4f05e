#include "editor/creating_panel.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/creation_tools.h"
#include "ui/translate.h"
#include "scene/scene.h"
#include "view/kind_pictures.h"

namespace mb {

namespace {
constexpr int kButtonLeft = 10;
constexpr int kButtonWidth = 103;
constexpr int kButtonHeight = 64;
constexpr int kSeparatorTop = 970;  // the line above the remark button
constexpr int kColumnHeight = 976 + kButtonHeight + 4;

}  // namespace

CreatingPanel::CreatingPanel(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      group_(new QButtonGroup(this)) {
    setObjectName("TForm31");
    setWindowTitle(Tr("TForm31", "Panel"));
    resize(146, 423);
    move(645, 118);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(150, 150, 150));
    setPalette(grey);
    setAutoFillBackground(true);

    auto* column = new QWidget;
    column->setPalette(grey);
    column->setAutoFillBackground(true);
    column->setFixedSize(kButtonLeft + kButtonWidth + 10, kColumnHeight);
    group_->setExclusive(true);
    for (const CreationTool& tool : CreationTools()) {
        if (!*tool.panelButton) continue;
        auto* b = new QToolButton(column);
        b->setObjectName(tool.panelButton);
        b->setCheckable(true);
        b->setAutoRaise(false);
        const int height = tool.placement == Placement::Selection ? 25 : kButtonHeight;
        b->setGeometry(kButtonLeft, tool.panelTop, kButtonWidth, height);
        const QSize picture(kButtonWidth - 8, height - 6);
        b->setIconSize(picture);
        b->setIcon(QIcon(QPixmap::fromImage(KindPicture(tool.mode, picture))));
        group_->addButton(b);
        connect(b, &QToolButton::clicked, this, [this, &tool] { emit toolChosen(tool); });
    }
    auto* line = new QFrame(column);
    line->setFrameShape(QFrame::HLine);
    line->setGeometry(kButtonLeft, kSeparatorTop, kButtonWidth, 3);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("PanelScroll");
    scroll->setWidget(column);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    button("SpeedButton16")->setChecked(true);
}

QAbstractButton* CreatingPanel::button(const QString& name) const {
    for (QAbstractButton* b : group_->buttons())
        if (b->objectName() == name) return b;
    return nullptr;
}

void CreatingPanel::SyncCreatingPanel(ElementKind mode) {
    const CreationTool& tool = ToolFor(mode);
    const char* down = tool.panelShowsTool ? tool.panelButton : nullptr;
    if (down) {
        button(down)->setChecked(true);
        return;
    }
    // No element button of its own: all element buttons up, which an exclusive
    // group allows only while it is not exclusive.
    group_->setExclusive(false);
    for (QAbstractButton* b : group_->buttons())
        if (b->objectName() != ToolFor(ElementKind::None).panelButton &&
            b->objectName() != ToolFor(ElementKind::Remark).panelButton)
            b->setChecked(false);
    group_->setExclusive(true);
}

void CreatingPanel::showByCommand(const QRect& mainFrame) {
    shownWanted_ = true;
    show();
    if (placed_) return;
    placed_ = true;
    QPoint at(mainFrame.left() + mainFrame.width() - 112, mainFrame.top() + 76);
    // Over a maximised main window that corner hangs off the screen's edge: keep
    // the whole palette, with its frame, on the screen.
    if (const QScreen* s = screen()) {
        const QRect room = s->availableGeometry();
        const QSize frame = frameGeometry().size();
        at.setX(std::max(room.left(), std::min(at.x(), room.right() + 1 - frame.width())));
        at.setY(std::max(room.top(), std::min(at.y(), room.bottom() + 1 - frame.height())));
    }
    move(at);
}

void CreatingPanel::hideByCommand() {
    shownWanted_ = false;
    hide();
}

void CreatingPanel::hideForRun() {
    hide();
}

void CreatingPanel::showAfterRun() {
    if (shownWanted_) show();
}

void CreatingPanel::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    emit hidden();
}

void CreatingPanel::closeEvent(QCloseEvent* event) {
    shownWanted_ = false;
    QWidget::closeEvent(event);
}

}  // namespace mb
