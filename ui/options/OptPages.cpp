#include "ui/options/OptPages.h"

#include "ui/options/OptOutputPage.h"
#include "ui/options/OptPage.h"
#include "ui/options/OptMp3Page.h"
#include "ui/options/OptWavPage.h"
#include "ui/options/PageWMAOptions.h"
#include "ui/options/OptOggPage.h"
#include "ui/options/AmrOptPage.h"
#include "ui/options/OptAacPage.h"
#include "ui/options/OptM4aPage.h"
#include "ui/options/MidiOptPage.h"
#include "ui/options/OptFlacPage.h"
#include "ui/options/OptOpusPage.h"
#include "ui/options/LoudnessOptPage.h"

std::vector<COptPage*> MakeOptionPages(const ConvertSettings& values, Desktop& desktop,
                                       const MidiPageContext& midi) {
  std::vector<COptPage*> pages;
  pages.push_back(new COptOutputPage(values, desktop));
  pages.push_back(new COptMp3Page(values, desktop));
  pages.push_back(new COptWavPage(values, desktop));
  pages.push_back(new CPageWMAOptions(values, desktop));
  pages.push_back(new COptOggPage(values, desktop));
  pages.push_back(new CAmrOptPage(values, desktop));
  pages.push_back(new COptAacPage(values, desktop));
  pages.push_back(new COptM4aPage(values, desktop));
  pages.push_back(new CMidiOptPage(values, desktop, midi));
  // Added after the first nine, so a stored page index opens the page it
  // did.
  pages.push_back(new COptFlacPage(values, desktop));
  pages.push_back(new COptOpusPage(values, desktop));
  pages.push_back(new CLoudnessOptPage(values, desktop));
  return pages;
}
