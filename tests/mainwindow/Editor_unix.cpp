#include "WindowTest.h"

#include <QFile>
#include <QTemporaryDir>

namespace quantell::test {
namespace {

// A program that records in `log` that it ran as `name`, with how many arguments, and whether
// its output goes to the null device. Shell built-ins only: the test's PATH holds nothing else.
void writeFakeEditor(const QString& path, const QString& name, const QString& log) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("#!/bin/sh\nq=no; [ /proc/$$/fd/1 -ef /dev/null ] && [ /proc/$$/fd/2 "
                              "-ef /dev/null ] && q=quiet\necho \"%1 args=$# $q\" >> '%2'\n")
                   .arg(name, log)
                   .toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
}

void writeText(const QString& path, const QString& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

// The desktop's default application for text/plain first, then the first editor of the list
// found on PATH, then a warning naming both; each started without a file or output.
TEST_F(WindowTest, EditorIsTheDesktopDefaultThenOneFromTheListOrAWarningSaysWhatWasLookedFor) {
    QTemporaryDir home;
    const QString log = home.filePath("starts.log");
    for (const char* dir : {"bin", "data/applications", "config", "none"})
        ASSERT_TRUE(QDir(home.path()).mkpath(dir));
    const QString defaultEditor = home.filePath("fake-default");
    writeFakeEditor(defaultEditor, "default", log);
    writeFakeEditor(home.filePath("bin/gedit"), "gedit", log);
    writeText(home.filePath("data/applications/fake-editor.desktop"),
              "[Desktop Entry]\nType=Application\nName=Fake\nExec=" + defaultEditor +
                  " %F\nMimeType=text/plain;\n");
    writeText(home.filePath("config/mimeapps.list"),
              "[Default Applications]\ntext/plain=fake-editor.desktop\n");
    const QByteArray path = qgetenv("PATH");
    for (const auto& [name, dir] : {std::pair{"XDG_DATA_HOME", "data"},
                                    {"XDG_CONFIG_HOME", "config"},
                                    {"XDG_DATA_DIRS", "none"},
                                    {"XDG_CONFIG_DIRS", "none"}})
        qputenv(name, home.filePath(dir).toUtf8());
    qputenv("PATH", home.filePath("bin").toUtf8() + ":relative/dir");

    // What the log holds once it has grown to the length of what is expected.
    const auto starts = [&log](const QString& expected) {
        QFile file(log);
        QTest::qWaitFor([&] { return file.size() >= expected.size(); }, 5000);
        return file.open(QIODevice::ReadOnly) ? QString(file.readAll()) : QString();
    };
    const QString byDefault = "default args=0 quiet\n", fromList = "gedit args=0 quiet\n";
    click("ComNote");
    click("ComNote");
    EXPECT_EQ(starts(byDefault + byDefault), byDefault + byDefault);
    QFile(defaultEditor).setPermissions(QFile::ReadOwner); // a default that cannot start
    click("ComNote");
    EXPECT_EQ(starts(byDefault + byDefault + fromList), byDefault + byDefault + fromList);

    qputenv("PATH", "/nonexistent");
    click("ComNote");
    qputenv("PATH", path);
    ASSERT_EQ(messenger.messages.size(), 1);
    EXPECT_TRUE(
        messenger.messages[0].contains("text/plain の既定のアプリケーション、gnome-text-editor"));
}

} // namespace
} // namespace quantell::test
