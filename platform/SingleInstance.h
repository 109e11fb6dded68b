#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

class QSocketNotifier;

// One interactive Moravel per install folder. The first start holds a lock on
// folder + ".moravel.lock" (released by the kernel however the process ends, so a
// killed one never blocks the next start) with its process id in it; a later start
// asks that one to show its window, handing it a request, and ends.
class SingleInstance : public QObject {
public:
    explicit SingleInstance(const std::string& folder);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this process holds the lock (also when the folder allows no file
    // at all: a start is never refused for want of one).
    bool IsFirst() const { return first; }
    // The lock path holds something that is no plain file and cannot be replaced (a
    // folder with files in it): neither first nor second, the start is refused.
    bool Refused() const { return refused; }
    // The lock file, changed when the lock was taken: anything the program left in the
    // folder before then belongs to an earlier run.
    const std::string& LockPath() const { return lockPath; }

    // Asks the process holding the lock to show its window and, when `request` is not
    // empty, to follow it; false when that process cannot be reached.
    bool AskFirstToShow(const std::string& request = {}) const;
    // What this process does when a later start asks it to show itself: the requests
    // that came with it (none for a plain start).
    void OnShowRequest(std::function<void(const std::vector<std::string>&)> show);

private:
    bool TakeLock();
    std::vector<std::string> TakeRequests() const;

    std::string folder;
    std::string lockPath;
    int lockFd = -1;
    bool first = false;
    bool refused = false;
    QSocketNotifier* notifier = nullptr;
    std::function<void(const std::vector<std::string>&)> showRequested;
};
