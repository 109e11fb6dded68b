#pragma once

#include <QFont>
#include <QString>

// The installed family that a font family name stands for: the name itself where it
// is installed, else the first installed family in the system's own substitution order
// for it ("Arial" is "Liberation Sans" where only that is installed). Asked once per
// name; later fonts of the family name it directly, so drawing with them never runs the
// slower search for a family that is not there.
QString InstalledFamily(const QString& family);
// The font with its families made installed ones.
QFont WithInstalledFamily(QFont font);
