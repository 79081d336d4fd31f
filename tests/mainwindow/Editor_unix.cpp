#include "WindowTest.h"
#include "platform/Platform.h"

#include <QFile>
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

// A desktop of the test's own, put back as it was afterwards: its default application for
// text/plain runs "fakeed", which bin/ holds with gedit; PATH has a relative and an empty entry
// before bin/, and the current folder holds what they would find there.
class EditorTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        for (const char* dir : {"bin", "rel", "empty", "data/applications", "config", "none"})
            ASSERT_TRUE(QDir(home.path()).mkpath(dir));
        const QFile::Permissions runs = QFile::ReadOwner | QFile::ExeOwner;
        for (const auto& [file, name] : {std::pair{"bin/fakeed", "default"},
                                         {"bin/gedit", "gedit"},
                                         {"rel/fakeed", "relative"},
                                         {"fakeed", "relative"},
                                         {"rel/gnome-text-editor", "relative"}})
            write(home.filePath(file), fakeEditor(name, log), runs);
        write(home.filePath("data/applications/fake.desktop"),
              "[Desktop Entry]\nType=Application\nName=Fake\nExec=fakeed %U\n", QFile::ReadOwner);
        write(home.filePath("config/mimeapps.list"),
              "[Default Applications]\ntext/plain=fake.desktop\n", QFile::ReadOwner);
        for (const auto& [name, dir] : {std::pair{"XDG_DATA_HOME", "data"},
                                        {"XDG_CONFIG_HOME", "config"},
                                        {"XDG_DATA_DIRS", "none"},
                                        {"XDG_CONFIG_DIRS", "none"}})
            set(name, home.filePath(dir));
        QDir::setCurrent(home.path());
        set("PATH", "rel::" + home.filePath("bin"));
    }
    void TearDown() override {
        for (const auto& [name, value] : saved)
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
        QDir::setCurrent(folder);
        WindowTest::TearDown();
    }
    void set(const char* name, const QString& value) {
        saved.try_emplace(name, qgetenv(name));
        qputenv(name, value.toUtf8());
    }
    // What the log holds once it has grown to the length of what is expected.
    QString starts(const QString& expected) const {
        QFile file(log);
        static_cast<void>(QTest::qWaitFor([&] { return file.size() >= expected.size(); }, 5000));
        return file.open(QIODevice::ReadOnly) ? QString(file.readAll()) : QString();
    }

    QTemporaryDir home;
    const QString log = home.filePath("starts.log");
    const QString folder = QDir::currentPath();
    std::map<const char*, QByteArray> saved;
};

// The desktop's default first, then the first editor of the list, each started without a file
// and with its output discarded, found through the absolute PATH entries only; where none can
// start, a warning says which default could not and what else was looked for, the default too
// where there is none. (GIO reads the desktop's folders once a process: one test.)
TEST_F(EditorTest, StartsTheDefaultOrOneFromTheListOrSaysWhatWasLookedFor) {
    const QString byDefault = "default args=0 quiet\n", fromList = "gedit args=0 quiet\n";
    click("ComNote");
    EXPECT_EQ(starts(byDefault), byDefault);
    QFile(home.filePath("bin/fakeed")).setPermissions(QFile::ReadOwner); // only rel/ has it
    click("ComNote");
    EXPECT_EQ(starts(byDefault + fromList), byDefault + fromList);

    set("PATH", "rel::" + home.filePath("empty"));
    click("ComNote");
    set("PATH", "/nonexistent"); // no default either: its program is nowhere
    click("ComNote");
    const QString editors = platform::textEditorNames().join(u'、');
    EXPECT_EQ(messenger.messages,
              QStringList({"既定のテキストエディタ「Fake」を起動できませんでした。ほかのテキストエ"
                           "ディタも見つかりませんでした（探したもの：" +
                               editors + "）。",
                           "テキストエディタが見つかりませんでした（探したもの：" +
                               platform::defaultTextEditorKind() + "、" + editors + "）。"}));
    EXPECT_EQ(starts(byDefault + fromList), byDefault + fromList); // none from rel/ or here
}

} // namespace
} // namespace quantell::test
