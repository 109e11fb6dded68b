#pragma once

#include <cstdlib>

#ifdef QT_CORE_LIB
#include <QtGlobal>
#endif

// Qt Test's watchdog thread reads the environment at the start of every test
// function, under Qt's own lock. A plain setenv beside it can move the
// environment block while it is being read, so Qt tests change variables
// through Qt; tests without Qt have no such thread.
inline void SetTestVariable(const char* name, const char* value)
{
#ifdef QT_CORE_LIB
    qputenv(name, QByteArray(value));
#else
    ::setenv(name, value, 1);
#endif
}

inline void UnsetTestVariable(const char* name)
{
#ifdef QT_CORE_LIB
    qunsetenv(name);
#else
    ::unsetenv(name);
#endif
}
