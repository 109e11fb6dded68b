#pragma once

#include <QObject>
#include <functional>
#include <string>

class QSocketNotifier;

// One interactive Moravel per install folder. The first start holds a lock on
// folder + ".moravel.lock" (released by the kernel however the process ends, so a
// killed one never blocks the next start) with its process id in it; a later start
// asks that one to show its window and ends.
class SingleInstance : public QObject {
public:
    explicit SingleInstance(const std::string& folder);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this process holds the lock (also when the folder allows no lock at
    // all: a start is never refused for want of one).
    bool IsFirst() const { return first; }
    // The lock file, changed when the lock was taken: anything the program left in the
    // folder before then belongs to an earlier run.
    const std::string& LockPath() const { return lockPath; }

    // Asks the process holding the lock to show its window; false when it cannot be reached.
    bool AskFirstToShow() const;
    // What this process does when a later start asks it to show itself.
    void OnShowRequest(std::function<void()> show);

private:
    std::string lockPath;
    int lockFd = -1;
    bool first = false;
    QSocketNotifier* notifier = nullptr;
    std::function<void()> showRequested;
};
