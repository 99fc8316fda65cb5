#pragma once
// Runs the program built beside the tests as a user's shell would, and
// tells its exit code and what it wrote.

#include <QCoreApplication>
#include <QProcess>
#include <functional>

inline QString Program() { return QCoreApplication::applicationDirPath() + "/../app/curvilinearscope"; }

// The program's environment for a run: no display, English system texts,
// and under AddressSanitizer a preloaded library may come before its own.
inline QProcessEnvironment ProgramEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    env.insert("LC_ALL", "C.UTF-8");
    const QString asan = env.value("ASAN_OPTIONS");
    env.insert("ASAN_OPTIONS", asan + (asan.isEmpty() ? "" : ":") + "verify_asan_link_order=0");
    return env;
}

struct Outcome {
    int code = -1;  // -1: the program crashed or hung
    QByteArray errorText;
    QByteArray output;  // what it wrote to standard output
};

// Runs the program; `prepare` runs in the child before it starts.
inline Outcome RunProgram(const QStringList& args, const QProcessEnvironment& env,
                          const std::function<void()>& prepare = {}) {
    QProcess process;
    process.setProcessEnvironment(env);
    if (prepare) process.setChildProcessModifier(prepare);
    process.start(Program(), args);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    const int code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {code, process.readAllStandardError(), process.readAllStandardOutput()};
}
