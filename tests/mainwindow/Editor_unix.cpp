#include "WindowTest.h"

#include <QFile>
#include <QTemporaryDir>

namespace quantell::test {
namespace {

void write(const QString& path, const QString& text, QFile::Permissions permissions) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
    file.setPermissions(permissions);
}

// A program that records in the log that it ran as `name`, with how many arguments, and
// whether its output goes to the null device. Shell built-ins only: PATH holds nothing else.
QString fakeEditor(const QString& name, const QString& log) {
    return QStringLiteral("#!/bin/sh\nq=no; [ /proc/$$/fd/1 -ef /dev/null ] && [ /proc/$$/fd/2 "
                          "-ef /dev/null ] && q=quiet\necho \"%1 args=$# $q\" >> '%2'\n")
        .arg(name, log);
}

// The desktop's default application for text/plain first, then the first editor of the list
// found on PATH, then a warning naming both; each started without a file or output.
TEST_F(WindowTest, EditorIsTheDesktopDefaultThenOneFromTheListOrAWarningSaysWhatWasLookedFor) {
    QTemporaryDir home;
    const QString log = home.filePath("starts.log");
    for (const char* dir : {"bin", "data/applications", "config", "none"})
        ASSERT_TRUE(QDir(home.path()).mkpath(dir));
    const QString defaultEditor = home.filePath("fake-default");
    const QFile::Permissions runs = QFile::ReadOwner | QFile::ExeOwner;
    write(defaultEditor, fakeEditor("default", log), runs);
    write(home.filePath("bin/gedit"), fakeEditor("gedit", log), runs);
    write(home.filePath("data/applications/fake.desktop"),
          "[Desktop Entry]\nType=Application\nName=Fake\nExec=" + defaultEditor + " %F\n",
          QFile::ReadOwner);
    write(home.filePath("config/mimeapps.list"),
          "[Default Applications]\ntext/plain=fake.desktop\n", QFile::ReadOwner);
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
        static_cast<void>(QTest::qWaitFor([&] { return file.size() >= expected.size(); }, 5000));
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
