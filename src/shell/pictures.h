#pragma once

#include <QIcon>
#include <QPixmap>

namespace tidewell::shell {

// The program's pictures, drawn in code so they stay sharp and need no image files.

// The logo: a rounded tile with a feed wave, side by side pixels.
QPixmap logoPicture(int side = 96);
// The splash window's picture.
QPixmap splashPicture();
// The about window's picture, with the version text.
QPixmap aboutPicture();
// The faint logo centred in the main window's empty work area.
QPixmap workAreaPicture();

enum class ToolIcon { NewChannel, OpenChannel, BlogTool, CloseWindow };
// A tool bar icon: the desktop theme's when it has one, else a drawn one.
QIcon toolIcon(ToolIcon which);

} // namespace tidewell::shell
