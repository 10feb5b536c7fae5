// GoogleTest main for the widget tests: an offscreen QApplication, and
// settings and runtime folders inside the build tree so that no test ever
// touches the user's own configuration.
#include <QApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const QString work = QStringLiteral(VEXILOR_TEST_WORK_DIR);
    QDir().mkpath(work + "/config");
    QDir().mkpath(work + "/runtime");
    QFile::setPermissions(work + "/runtime",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv("XDG_CONFIG_HOME", (work + "/config").toLocal8Bit().constData(), 1);
    setenv("XDG_RUNTIME_DIR", (work + "/runtime").toLocal8Bit().constData(), 1);
    setenv("HOME", work.toLocal8Bit().constData(), 1);

    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
