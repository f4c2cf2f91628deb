#pragma once

#include <QIcon>
#include <QPixmap>
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

enum class Caption { Help, Minimize, Close };

// The whole window: a header band with the name and a waveform, a panel for
// the command buttons on the left, a frame around the list and the window's
// edge.
QPixmap WindowBackground();
// The face of a command button, at rest or under the pointer.
QPixmap CommandFace(bool hover);
QPixmap CaptionIcon(Caption caption);
// The look of the Help menu and the list's context menu.
QString MenuStyleSheet();
// Gives every pop-up menu that `window` owns the menu look as it is first
// shown. Only the menus: the window's other controls and the dialogs it
// opens keep the desktop's style.
void SkinMenusOf(QWidget& window);

}  // namespace SkinArt

// The program's icon in every size the resources hold.
QIcon ApplicationIcon();
