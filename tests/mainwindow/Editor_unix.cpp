#include "WindowTest.h"
#include "platform/Platform.h"

#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <map>

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

// The desktop's default application for text/plain first, then the first editor of the list,
// each started without a file or output and found through the absolute PATH entries only, never
// through the current directory; else a warning says what could not be started and what was
// looked for.
TEST_F(WindowTest, EditorIsTheDesktopDefaultThenOneFromTheListOrAWarningSaysWhatWasLookedFor) {
    QTemporaryDir home;
    const QString log = home.filePath("starts.log");
    for (const char* dir : {"bin", "rel", "empty", "data/applications", "config", "none"})
        ASSERT_TRUE(QDir(home.path()).mkpath(dir));
    const QFile::Permissions runs = QFile::ReadOwner | QFile::ExeOwner;
    write(home.filePath("bin/fakeed"), fakeEditor("default", log), runs);
    write(home.filePath("bin/gedit"), fakeEditor("gedit", log), runs);
    // What a relative or empty PATH entry would find through the current directory.
    for (const char* relative : {"rel/fakeed", "fakeed", "rel/gnome-text-editor"})
        write(home.filePath(relative), fakeEditor("relative", log), runs);
    write(home.filePath("data/applications/fake.desktop"),
          "[Desktop Entry]\nType=Application\nName=Fake\nExec=fakeed %U\n", QFile::ReadOwner);
    write(home.filePath("config/mimeapps.list"),
          "[Default Applications]\ntext/plain=fake.desktop\n", QFile::ReadOwner);
    // The test's own desktop, PATH and current folder, put back as they were afterwards.
    std::map<const char*, QByteArray> saved;
    const auto restore = qScopeGuard([&saved, folder = QDir::currentPath()] {
        for (const auto& [name, value] : saved)
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
        QDir::setCurrent(folder);
    });
    const auto set = [&saved](const char* name, const QString& value) {
        saved.try_emplace(name, qgetenv(name));
        qputenv(name, value.toUtf8());
    };
    for (const auto& [name, dir] : {std::pair{"XDG_DATA_HOME", "data"},
                                    {"XDG_CONFIG_HOME", "config"},
                                    {"XDG_DATA_DIRS", "none"},
                                    {"XDG_CONFIG_DIRS", "none"}})
        set(name, home.filePath(dir));
    QDir::setCurrent(home.path());
    set("PATH", "rel::" + home.filePath("bin"));

    // What the log holds once it has grown to the length of what is expected.
    const auto starts = [&log](const QString& expected) {
        QFile file(log);
        static_cast<void>(QTest::qWaitFor([&] { return file.size() >= expected.size(); }, 5000));
        return file.open(QIODevice::ReadOnly) ? QString(file.readAll()) : QString();
    };
    const QString byDefault = "default args=0 quiet\n", fromList = "gedit args=0 quiet\n";
    click("ComNote");
    EXPECT_EQ(starts(byDefault), byDefault);
    QFile(home.filePath("bin/fakeed")).setPermissions(QFile::ReadOwner); // only rel/ has it
    click("ComNote");
    EXPECT_EQ(starts(byDefault + fromList), byDefault + fromList);

    set("PATH", "rel::" + home.filePath("empty"));
    click("ComNote");
    set("PATH", "/nonexistent"); // no default either: its program is nowhere
    // Had a program been started from rel/ or here, there would be no warning.
    click("ComNote");
    const QString editors = platform::textEditorNames().join(u'、');
    EXPECT_EQ(messenger.messages,
              QStringList({"既定のテキストエディタ「Fake」を起動できませんでした。ほかのテキストエ"
                           "ディタも見つかりませんでした（探したもの：" +
                               editors + "）。",
                           "テキストエディタが見つかりませんでした（探したもの：" +
                               platform::defaultTextEditorKind() + "、" + editors + "）。"}));
}

} // namespace
} // namespace quantell::test
