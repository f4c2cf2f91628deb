#pragma once

#include <QWidget>

struct ConvertSettings;
class Desktop;

// One page of the options sheet. A page reads its values from the sheet's
// copy of the settings when it is first shown (Initialise: members and
// controls), reads its controls and checks them whenever it is left
// (Leave: false keeps the sheet on the page, after the page has shown its
// message and put the focus on the control at fault), and writes its values
// into the settings when the sheet is closed with OK (CopyOut, under the
// page's own rules: an automatic mode, for example, keeps the stored
// encoding values). A page never shown is neither checked nor copied out,
// so the settings keep the values it was given.
class COptPage : public QWidget {
  Q_OBJECT

 public:
  COptPage(const QString& title, const ConvertSettings& values, Desktop& desktop);

  const QString& Title() const { return title_; }
  bool Initialised() const { return initialised_; }
  // Initialises the page the first time it is about to be shown.
  void EnsureInitialised();

  virtual bool Leave() = 0;
  virtual void CopyOut(ConvertSettings& settings) = 0;

 protected:
  virtual void Initialise() = 0;

  // The values the sheet opened with.
  const ConvertSettings& values_;
  Desktop& desktop_;

 private:
  QString title_;
  bool initialised_ = false;
};

// A text of the options sheet marked in a table or handed to a shared
// control as QT_TRANSLATE_NOOP("Options", ...), in the user's language.
QString OptionsText(const char* text);

// The font of the sheet, its pages and the tag editor: Tahoma 11 pixels,
// falling back to the desktop's sans-serif.
QFont OptionsFont();
