#include "WindowTest.h"

#include <QFile>
#include <QTemporaryDir>

namespace quantell::test {
namespace {

TEST_F(WindowTest, EditorStartsOncePerClickWithoutArgumentsOrOutputOrSaysWhatItLookedFor) {
    QTemporaryDir bin;
    const QString log = bin.filePath("starts.log");
    QFile editor(bin.filePath("gedit"));
    ASSERT_TRUE(editor.open(QIODevice::WriteOnly));
    // Shell built-ins only: the test's PATH holds nothing else.
    editor.write(
        QStringLiteral("#!/bin/sh\nq=no; [ /proc/$$/fd/1 -ef /dev/null ] && [ /proc/$$/fd/2 "
                       "-ef /dev/null ] && q=quiet\necho \"args=$# $q\" >> '%1'\n")
            .arg(log)
            .toUtf8());
    editor.close();
    editor.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");

    qputenv("PATH", bin.path().toUtf8() + ":relative/dir");
    click("ComNote");
    click("ComNote");
    const QString started = "args=0 quiet\n";
    QFile starts(log);
    EXPECT_TRUE(QTest::qWaitFor([&] { return starts.size() >= 2 * started.size(); }, 5000));
    ASSERT_TRUE(starts.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString(starts.readAll()), started.repeated(2));

    qputenv("PATH", "/nonexistent");
    click("ComNote");
    qputenv("PATH", path);
    ASSERT_EQ(messenger.messages.size(), 1);
    EXPECT_TRUE(messenger.messages[0].contains("gedit、kate"));
}

} // namespace
} // namespace quantell::test
