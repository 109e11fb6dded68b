#include "schedule/SchedulerLink.h"

// Placeholder until the crontab work item is in place: nothing is registered.
namespace SchedulerLink {
bool EnsureSchedulerRunning() { return false; }
bool WorkItemExists() { return false; }
bool DeleteWorkItem() { return false; }
bool CreateWorkItem() { return false; }
bool ActivateWorkItem(int, int) { return false; }
}
