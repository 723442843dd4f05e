// Help that always opens: when the desktop takes neither the guide nor an address,
// the program shows the guide in its own window and the address in a box to copy.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

#include "app/help_window.h"
#include "app_fixture.h"

namespace mb::test {
namespace {

class HelpTest : public AppTest {
protected:
    // The guide of the source tree, copied beside the program as the build does.
    void copyGuide() {
        const QDir from(MB_HELP_DIR);
        QDir to(programDir.path());
        ASSERT_TRUE(to.mkpath("help/images"));
        for (const QString& f : from.entryList({"*.htm"}, QDir::Files))
            ASSERT_TRUE(QFile::copy(from.filePath(f), to.filePath("help/" + f)));
        for (const QString& f : QDir(from.filePath("images")).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(from.filePath("images/" + f), to.filePath("help/images/" + f)));
    }
    HelpWindow* helpWindow() { return window->findChild<HelpWindow*>("HelpWindow"); }
    QTextBrowser* browser() { return helpWindow() ? helpWindow()->findChild<QTextBrowser*>("HelpBrowser") : nullptr; }

    // Runs the next address box: records what it shows and presses Copy.
    void expectAddressBox(QString* shown) {
        prompts.dialogs.push_back([shown](QDialog& d) {
            *shown = d.findChild<QLineEdit*>("AddressEdit")->text();
            d.findChild<QPushButton*>("CopyButton")->click();
            return int(QDialog::Rejected);
        });
    }
};

TEST_F(HelpTest, TheDesktopShowsTheGuideWhenItCan) {
    copyGuide();
    startWindow();
    action("N51")->trigger();
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(QUrl(shell.opened[0]).toLocalFile(), QDir(programDir.path()).filePath("help/index.htm"));
    EXPECT_EQ(helpWindow(), nullptr);
    action("N48")->trigger();
    action("N49")->trigger();
    EXPECT_EQ(shell.opened.mid(1), QStringList({"mailto:support@motionbench.org", "https://motionbench.org"}));
    EXPECT_TRUE(prompts.dialogsShown.empty());
}

TEST_F(HelpTest, WithoutABrowserTheGuideOpensInOurOwnWindowWithPicturesAndLinks) {
    copyGuide();
    startWindow();
    shell.opens = false;
    action("N51")->trigger();
    ASSERT_EQ(shell.opened.size(), 1);  // the desktop was asked first
    ASSERT_NE(helpWindow(), nullptr);
    EXPECT_TRUE(helpWindow()->isVisible());
    const QUrl guide = QUrl::fromLocalFile(QDir(programDir.path()).filePath("help/index.htm"));
    EXPECT_EQ(helpWindow()->source(), guide);
    QTextDocument* doc = browser()->document();
    EXPECT_TRUE(doc->toPlainText().contains("Opening an example"));
    // The guide's pictures load from beside it.
    const QVariant picture = browser()->loadResource(QTextDocument::ImageResource, guide.resolved(QUrl("images/start.png")));
    EXPECT_FALSE(QImage::fromData(picture.toByteArray()).isNull());

    // A link within the guide moves within it; Back returns.
    helpWindow()->followLink(QUrl("#run"));
    EXPECT_EQ(helpWindow()->source().fragment(), "run");
    helpWindow()->findChild<QToolButton*>("HelpBack")->click();
    EXPECT_EQ(helpWindow()->source(), guide);

    // A web link goes to the desktop, and failing that into the address box.
    QString shown;
    expectAddressBox(&shown);
    helpWindow()->followLink(QUrl("https://motionbench.org/guide"));
    EXPECT_EQ(shell.opened.back(), "https://motionbench.org/guide");
    EXPECT_EQ(shown, "https://motionbench.org/guide");
    EXPECT_EQ(helpWindow()->source(), guide);  // the guide stays where it was

    // Asking again reuses the one window; Esc puts it away.
    action("N51")->trigger();
    EXPECT_EQ(window->findChildren<HelpWindow*>().size(), 1);
    helpWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(helpWindow()));
    QTest::keyClick(helpWindow(), Qt::Key_Escape);
    EXPECT_FALSE(helpWindow()->isVisible());
}

TEST_F(HelpTest, ThePicturesOfTheGuideShrinkToTheWindowsWidthAndNoFurther) {
    copyGuide();
    startWindow();
    shell.opens = false;
    action("N51")->trigger();
    ASSERT_NE(browser(), nullptr);
    // The sizes the pictures are laid out at, in page order.
    const auto pictureSizes = [this] {
        std::vector<QSizeF> sizes;
        const QTextDocument* doc = browser()->document();
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (const QTextImageFormat f = it.fragment().charFormat().toImageFormat(); f.isValid())
                    sizes.emplace_back(f.width(), f.height());
        return sizes;
    };
    const struct {
        const char* page;
        int windowWidth;
        bool shrunk;
    } cases[] = {{"index.htm", 500, true}, {"elements.htm", 500, true}, {"elements.htm", 1400, false},
                 {"index.htm", 1400, false}, {"index.htm", 700, true}};
    for (const auto& c : cases) {
        helpWindow()->resize(c.windowWidth, 700);
        helpWindow()->followLink(QUrl(c.page));
        QCoreApplication::processEvents();
        const std::vector<QSizeF> sizes = pictureSizes();
        ASSERT_GE(sizes.size(), 8u) << c.page;
        const qreal room = browser()->viewport()->width();
        for (const QSizeF& size : sizes) {
            // The shots are 840 by 600: narrower windows get them in proportion.
            EXPECT_EQ(size.width() < 840, c.shrunk) << c.page << " " << c.windowWidth << ": " << size.width();
            EXPECT_LE(size.width(), room) << c.page << " " << c.windowWidth;
            EXPECT_NEAR(size.height() * 840, size.width() * 600, 1e-6) << c.page;
        }
        EXPECT_EQ(browser()->horizontalScrollBar()->maximum(), 0) << c.page << " " << c.windowWidth;
    }
}

TEST_F(HelpTest, AMissingGuideIsNamedInTheHelpWindow) {
    startWindow();
    shell.opens = false;
    action("N51")->trigger();
    ASSERT_NE(helpWindow(), nullptr);
    const QString text = browser()->document()->toPlainText();
    EXPECT_TRUE(text.contains("The user guide is missing")) << text.toStdString();
    EXPECT_TRUE(text.contains(QDir(programDir.path()).filePath("help/index.htm"))) << text.toStdString();
}

TEST_F(HelpTest, WithoutAMailProgramOrBrowserTheAddressCanBeCopied) {
    startWindow();
    shell.opens = false;
    struct Case {
        const char* action;
        const char* asked;
        const char* shown;
    } cases[] = {{"N48", "mailto:support@motionbench.org", "support@motionbench.org"},
                 {"N49", "https://motionbench.org", "https://motionbench.org"}};
    for (const Case& c : cases) {
        QString shown;
        expectAddressBox(&shown);
        action(c.action)->trigger();
        EXPECT_EQ(shell.opened.back(), c.asked);
        EXPECT_EQ(prompts.dialogsShown.back(), "AddressBox");
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), c.shown);
    }
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(HelpTest, InstalledTheProgramTakesItsGuideAndBackgroundFromShare) {
    // <prefix>/bin/motionbench with its files in <prefix>/share/motionbench.
    QDir prefix(programDir.path());
    ASSERT_TRUE(prefix.mkpath("bin") && prefix.mkpath("share/motionbench/help"));
    QImage ground(8, 8, QImage::Format_RGB32);
    ground.fill(QColor(0, 0, 250));
    ASSERT_TRUE(ground.save(prefix.filePath("share/motionbench/ground.bmp"), "BMP"));
    const QString guide = prefix.filePath("share/motionbench/help/index.htm");
    QFile page(guide);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><body><p>The installed guide</p></body></html>");
    page.close();

    MainWindow::Options o;
    o.startDirectory = startDir.path();  // no ground.bmp there
    o.programDirectory = prefix.filePath("bin");
    o.recoveryFolder = settingsDir.filePath("recovery");
    o.prompts = &prompts;
    o.shell = &shell;
    window = std::make_unique<MainWindow>(o);
    window->findChild<QTimer*>("Timer1")->stop();
    window->resize(1000, 800);
    window->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(prompts.messages.empty()) << prompts.texts().join("|").toStdString();
    EXPECT_EQ(pixel(1, 1), 250u);

    shell.opens = false;
    action("N51")->trigger();
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(QUrl(shell.opened[0]).toLocalFile(), guide);
    ASSERT_NE(browser(), nullptr);
    EXPECT_TRUE(browser()->document()->toPlainText().contains("The installed guide"));
}

}  // namespace
}  // namespace mb::test
