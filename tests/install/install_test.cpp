// cmake --install into a temporary prefix: the programs, their guide, examples
// and background, and the desktop entry, icon and project file type that let the
// desktop open a project with a double click.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

struct Outcome {
    int status = -1;
    QString out, err;
};

Outcome Execute(const QString& program, const QStringList& args,
                const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    Outcome r;
    if (!p.waitForFinished(120000)) return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

QString Slurp(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

class Installed : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        prefix_ = new QTemporaryDir;
        ASSERT_TRUE(prefix_->isValid());
        const Outcome r = Execute(MB_CMAKE, {"--install", MB_BUILD_DIR, "--prefix", prefix_->path()});
        ASSERT_EQ(r.status, 0) << r.out.toStdString() << r.err.toStdString();
    }
    static void TearDownTestSuite() {
        delete prefix_;
        prefix_ = nullptr;
    }
    static QString at(const QString& relative) { return QDir(prefix_->path()).filePath(relative); }

    static QTemporaryDir* prefix_;
};
QTemporaryDir* Installed::prefix_ = nullptr;

TEST_F(Installed, EveryFileLandsWhereTheDesktopAndTheProgramLook) {
    const QStringList files = {"bin/motionbench",
                               "bin/motionbench-sim",
                               "share/motionbench/help/index.htm",
                               "share/motionbench/help/images/start.png",
                               "share/motionbench/ground.bmp",
                               "share/motionbench/translations/motionbench_zh_CN.qm",
                               "share/motionbench/translations/motionbench_en.qm",
                               "share/applications/motionbench.desktop",
                               "share/icons/hicolor/scalable/apps/motionbench.svg",
                               "share/icons/hicolor/scalable/mimetypes/application-x-motionbench-project.svg",
                               "share/mime/packages/motionbench.xml",
                               "share/metainfo/org.motionbench.motionbench.metainfo.xml",
                               "share/man/man1/motionbench.1.gz",
                               "share/man/man1/motionbench-sim.1.gz",
                               "share/doc/motionbench/LICENSE",
                               "share/doc/motionbench/copyright"};
    for (const QString& f : files) EXPECT_TRUE(QFileInfo(at(f)).isFile()) << f.toStdString();
    EXPECT_TRUE(QFileInfo(at("bin/motionbench")).isExecutable());
    // Every shipped example with its names file.
    const QStringList examples = QDir(MB_EXAMPLES_DIR).entryList({"*.kmx", "*.nam"}, QDir::Files);
    ASSERT_GE(examples.size(), 28);
    for (const QString& e : examples)
        EXPECT_EQ(Slurp(at("share/motionbench/examples/" + e)), Slurp(QDir(MB_EXAMPLES_DIR).filePath(e)))
            << e.toStdString();
}

TEST_F(Installed, DesktopEntryAndProjectFileTypeAreValid) {
    const QString entry = at("share/applications/motionbench.desktop");
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (!validator.isEmpty()) {
        const Outcome v = Execute(validator, {entry});
        EXPECT_EQ(v.status, 0) << v.out.toStdString() << v.err.toStdString();
        EXPECT_EQ(v.out + v.err, "");  // not even a hint
    }
    const QString text = Slurp(entry);
    EXPECT_TRUE(text.contains("\nExec=motionbench %f\n"));
    EXPECT_TRUE(text.contains("\nMimeType=application/x-motionbench-project;\n"));
    EXPECT_TRUE(text.contains("\nIcon=motionbench\n"));

    // The MIME package is well formed and ties the type to *.kmx.
    QFile xml(at("share/mime/packages/motionbench.xml"));
    ASSERT_TRUE(xml.open(QIODevice::ReadOnly));
    QXmlStreamReader r(&xml);
    QString type, glob;
    bool inNamespace = false;
    while (!r.atEnd()) {
        if (r.readNext() != QXmlStreamReader::StartElement) continue;
        if (r.name() == u"mime-info")
            inNamespace = r.namespaceUri() == u"http://www.freedesktop.org/standards/shared-mime-info";
        if (r.name() == u"mime-type") type = r.attributes().value("type").toString();
        if (r.name() == u"glob") glob = r.attributes().value("pattern").toString();
    }
    EXPECT_FALSE(r.hasError()) << r.errorString().toStdString();
    EXPECT_TRUE(inNamespace);
    EXPECT_EQ(type, "application/x-motionbench-project");
    EXPECT_EQ(glob, "*.kmx");

    // Where the desktop's own tools are present, the install ran them: the type
    // database took the package, and the entry is the handler of the type.
    if (!QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
        EXPECT_TRUE(QFileInfo(at("share/mime/application/x-motionbench-project.xml")).isFile());
    }
    if (!QStandardPaths::findExecutable("update-desktop-database").isEmpty()) {
        EXPECT_TRUE(Slurp(at("share/applications/mimeinfo.cache"))
                        .contains("application/x-motionbench-project=motionbench.desktop;"));
    }
}

TEST_F(Installed, SoftwareCentresFindAValidDescriptionOfThisVersion) {
    const QString metainfo = at("share/metainfo/org.motionbench.motionbench.metainfo.xml");
    const QString validator = QStandardPaths::findExecutable("appstreamcli");
    if (!validator.isEmpty()) {
        const Outcome v = Execute(validator, {"validate", "--no-net", "--pedantic", metainfo});
        EXPECT_EQ(v.status, 0) << v.out.toStdString() << v.err.toStdString();
    }
    const QString text = Slurp(metainfo);
    EXPECT_TRUE(text.contains("<release version=\"" MB_VERSION "\" date=\"")) << text.toStdString();
    EXPECT_TRUE(text.contains("<mediatype>application/x-motionbench-project</mediatype>"));
    EXPECT_TRUE(text.contains("<launchable type=\"desktop-id\">motionbench.desktop</launchable>"));
}

TEST_F(Installed, TheInstalledProgramsFindTheirFiles) {
    // Both programs name the version of the build, without a display for the window's.
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) noDisplay.remove(name);
    for (const char* program : {"motionbench", "motionbench-sim"}) {
        const Outcome v = Execute(at(QString("bin/") + program), {"--version"}, noDisplay);
        EXPECT_EQ(v.status, 0) << program << v.err.toStdString();
        EXPECT_EQ(v.out, QString(program) + " " MB_VERSION "\n");
    }

    // The program starts (offscreen) and names its guide, examples and background,
    // all in the installed data folder.
    const Outcome paths = Execute(at("bin/motionbench"), {"--print-paths"});
    ASSERT_EQ(paths.status, 0) << paths.out.toStdString() << paths.err.toStdString();
    const QString data = QFileInfo(at("share/motionbench")).canonicalFilePath();
    EXPECT_EQ(paths.out, "guide: " + data + "/help/index.htm\nexamples: " + data + "/examples\nground: " + data +
                             "/ground.bmp\n");
    // The headless runner runs an installed example.
    const Outcome sim = Execute(at("bin/motionbench-sim"), {"run", at("share/motionbench/examples/orbit.kmx"), "--ticks", "2"});
    EXPECT_EQ(sim.status, 0) << sim.err.toStdString();
    EXPECT_EQ(sim.out.count('\n'), 4);  // header, the start, two ticks
}

}  // namespace
