#pragma once

// A pair of connected pseudo-terminals made by socat, standing in for a GPS receiver on a serial
// port: what is written to one end arrives at the other. Tests skip when socat is missing.

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace tormark::testing {

class SocatPty {
  public:
    // Starts socat; ready() tells whether both ends exist.
    SocatPty() {
        const QString socat = QStandardPaths::findExecutable("socat");
        if (socat.isEmpty() || !dir_.isValid()) return;
        process_.start(
            socat, {"pty,raw,echo=0,link=" + receiverEnd(), "pty,raw,echo=0,link=" + senderEnd()});
        if (!process_.waitForStarted(3000)) return;
        ready_ = QTest::qWaitFor(
            [&] { return QFile::exists(receiverEnd()) && QFile::exists(senderEnd()); }, 5000);
    }
    ~SocatPty() { Stop(); }

    static bool Available() { return !QStandardPaths::findExecutable("socat").isEmpty(); }
    bool ready() const { return ready_; }

    // The end the program opens as its serial port, and the end the "receiver" writes to.
    QString receiverEnd() const { return dir_.path() + "/gpsA"; }
    QString senderEnd() const { return dir_.path() + "/gpsB"; }

    // Writes text into the sender end.
    bool Send(const QByteArray& text) {
        QFile end(senderEnd());
        if (!end.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
        return end.write(text) == text.size();
    }

    // Ends socat: both pseudo-terminals disappear, like an unplugged receiver.
    void Stop() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }

  private:
    QTemporaryDir dir_;
    QProcess process_;
    bool ready_ = false;
};

}  // namespace tormark::testing
