#pragma once

#include <QIcon>
#include <QPixmap>

// The product's small picture, drawn so that the installer and the uninstaller
// have it even when the files in InstallDir are gone.
QPixmap MoravelEmblem(int size);
// The application icon: the icon theme's by the application id, else the emblem.
QIcon MoravelIcon();
// One of the twelve sign tiles (0 = Aries ... 11 = Pisces).
QPixmap SignTile(int index, int size);
