#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a logout) end the program through its event loop, so
// that what it does on closing (saving, removing its working pages) still happens.
// The handler only wakes the loop; `end` runs there. One object per process.
class EndSignals : public QObject {
public:
    explicit EndSignals(std::function<void()> end);
    ~EndSignals() override;
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;

private:
    std::function<void()> end;
    QSocketNotifier* notifier = nullptr;
};
