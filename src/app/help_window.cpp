#include "app/help_window.h"

#include <algorithm>

#include <QAction>
#include <QKeyEvent>

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/translate.h"

namespace mb {

namespace {
const char* const kHelpTitle = MB_TRANSLATE_NOOP("HelpWindow", "How to use - Motionbench");
const char* const kAddressTitle = "Motionbench";
const char* const kAddressText = MB_TRANSLATE_NOOP(
    "AddressBox", "The desktop could not open this address.\nCopy it into your mail program or web browser:");

QToolButton* NavigationButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon, const QString& text) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setText(text);
    b->setToolTip(text);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return b;
}
}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpWindow");
    setWindowTitle(Tr("HelpWindow", kHelpTitle));
    back_ = NavigationButton(this, "HelpBack", QStyle::SP_ArrowBack, Tr("HelpWindow", "Back"));
    forward_ = NavigationButton(this, "HelpForward", QStyle::SP_ArrowForward, Tr("HelpWindow", "Forward"));
    home_ = NavigationButton(this, "HelpHome", QStyle::SP_DirHomeIcon, Tr("HelpWindow", "Contents"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("HelpBrowser");
    // Links are followed here: those within the guide in this window, the others
    // handed to the desktop. Left to itself the browser would try to show a web
    // page as a local file and go blank.
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);

    auto* bar = new QHBoxLayout;
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addWidget(home_);
    bar->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);

    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(home_, &QToolButton::clicked, this, [this] { followLink(homeUrl_); });
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(browser_, &QTextBrowser::historyChanged, this, &HelpWindow::updateButtons);
    // Qt's rich text knows no max-width, so the pictures (taken at 840 pixels) are
    // sized here for every page shown and whenever the window changes width.
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::fitPictures);
    browser_->installEventFilter(this);
    // The desktop's close keys put the window away, also where no window manager
    // gives it a close box (Esc does too, see keyPressEvent).
    auto* closeAction = new QAction(this);
    closeAction->setShortcut(QKeySequence::Close);
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    addAction(closeAction);
    resize(820, 700);
    updateButtons();
}

void HelpWindow::showGuide(const QString& path) {
    const QFileInfo page(path);
    if (page.isFile()) {
        homeUrl_ = QUrl::fromLocalFile(page.absoluteFilePath());
        browser_->setSource(homeUrl_);
    } else {
        homeUrl_ = QUrl();
        browser_->setHtml(Tr("HelpWindow", "<h2>The user guide is missing</h2><p>It should be at <code>%1</code>. "
                                         "Reinstalling Motionbench puts it back.</p>")
                              .arg(path.toHtmlEscaped()));
    }
    updateButtons();
    show();
    raise();
    activateWindow();
}

QUrl HelpWindow::source() const { return browser_->source(); }

void HelpWindow::followLink(const QUrl& link) {
    if (link.isEmpty()) return;
    const QUrl target = browser_->source().resolved(link);
    if (target.isLocalFile())
        browser_->setSource(target);
    else
        emit externalLinkRequested(target);
}

void HelpWindow::updateButtons() {
    back_->setEnabled(browser_->isBackwardAvailable());
    forward_->setEnabled(browser_->isForwardAvailable());
    home_->setEnabled(homeUrl_.isValid());
}

AddressDialog::AddressDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("AddressBox");
    setWindowTitle(kAddressTitle);
    auto* label = new QLabel(Tr("AddressBox", kAddressText), this);
    edit_ = new QLineEdit(this);
    edit_->setObjectName("AddressEdit");
    edit_->setReadOnly(true);
    edit_->setMinimumWidth(320);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* copy = buttons->addButton(Tr("AddressBox", "&Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName("CopyButton");
    QPushButton* close = buttons->addButton(Tr("AddressBox", "Close"), QDialogButtonBox::RejectRole);
    close->setObjectName("CloseButton");
    connect(copy, &QPushButton::clicked, this, [this] {
        if (QClipboard* c = QGuiApplication::clipboard()) c->setText(edit_->text());
        edit_->selectAll();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
}

void AddressDialog::setAddress(const QString& address) {
    const QUrl url(address);
    edit_->setText(url.scheme() == QLatin1String("mailto") ? url.path() : address);
    edit_->selectAll();
    edit_->setFocus();
}

QString AddressDialog::address() const { return edit_->text(); }

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == browser_ && event->type() == QEvent::Resize) fitPictures();
    return QWidget::eventFilter(watched, event);
}

QSize HelpWindow::pictureSize(const QString& name) {
    const QUrl url = browser_->source().resolved(QUrl(name));
    const QString key = url.toString();
    auto it = pictureSizes_.find(key);
    if (it == pictureSizes_.end()) it = pictureSizes_.insert(key, QImageReader(url.toLocalFile()).size());
    return *it;
}

void HelpWindow::fitPictures() {
    // Until a page of the guide is shown (the browser lays out the new page before
    // it names it) there is nothing to resolve the pictures against.
    if (!browser_->source().isLocalFile()) return;
    QTextDocument* doc = browser_->document();
    // The room is reckoned as if the scroll bar were always there, so that its
    // coming or going does not size the pictures again.
    const qreal room = browser_->contentsRect().width() - browser_->verticalScrollBar()->sizeHint().width() -
                       2 * doc->documentMargin();
    QTextCursor cursor(doc);
    bool resized = false;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat layout = block.blockFormat();
        const qreal blockRoom =
            room - layout.leftMargin() - layout.rightMargin() - layout.indent() * doc->indentWidth();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment part = it.fragment();
            QTextImageFormat picture = part.charFormat().toImageFormat();
            if (!picture.isValid()) continue;
            const QSize own = pictureSize(picture.name());
            if (own.isEmpty()) continue;
            const qreal width = std::max<qreal>(1, std::min<qreal>(own.width(), blockRoom));
            const qreal height = own.height() * width / own.width();
            if (picture.width() == width && picture.height() == height) continue;
            picture.setWidth(width);
            picture.setHeight(height);
            cursor.setPosition(part.position());
            cursor.setPosition(part.position() + part.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(picture);
            resized = true;
        }
    }
    // Pictures above an anchor that changed size moved it: go back to it.
    if (resized && browser_->source().hasFragment()) browser_->scrollToAnchor(browser_->source().fragment());
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace mb
