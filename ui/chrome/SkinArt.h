#pragma once

#include <QIcon>
#include <QPixmap>
#include <QRect>
#include <QString>

class QWidget;

// The images of the main window's skin, drawn in code (no image file is
// read): the background, the command buttons' faces and the caption icons,
// and the style of the menus in the same colours.
namespace SkinArt {

inline constexpr int WINDOW_WIDTH = 699;
inline constexpr int WINDOW_HEIGHT = 538;
// A command button's face: one pixel narrower and lower than the button, so
// that the face fits with the 1-pixel shift of a pressed button.
inline constexpr int COMMAND_FACE_WIDTH = 106;
inline constexpr int COMMAND_FACE_HEIGHT = 26;
inline constexpr int CAPTION_ICON_SIZE = 21;

enum class Caption { Help, Minimize, Maximize, Restore, Close };

// The whole window at `size` (logical pixels, never below the design size)
// and `ratio` device pixels per logical pixel: a header band with the name
// and a waveform across the width, a panel for the command buttons on the
// left down the height, a frame around the list, which takes the rest, and
// the window's edge. Every pixel is opaque.
QPixmap WindowBackground(QSize size = QSize(WINDOW_WIDTH, WINDOW_HEIGHT), qreal ratio = 1);
// Where the list lies in a window of `size`: 137 pixels from the left and 63
// from the top, 10 from the right and the bottom edges.
QRect ListRect(QSize size);
// The face of a command button, at rest or under the pointer, and a caption
// button's icon, drawn at `ratio` device pixels per logical pixel so that
// they stay sharp on a screen that scales.
QPixmap CommandFace(bool hover, qreal ratio = 1);
QPixmap CaptionIcon(Caption caption, qreal ratio = 1);
// The look of the Help menu and the list's context menu.
QString MenuStyleSheet();
// Gives every pop-up menu that `window` owns the menu look as it is first
// shown. Only the menus: the window's other controls and the dialogs it
// opens keep the desktop's style.
void SkinMenusOf(QWidget& window);

}  // namespace SkinArt

// The program's icon in every size the resources hold.
QIcon ApplicationIcon();
