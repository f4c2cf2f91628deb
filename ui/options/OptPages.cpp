#include "ui/options/OptPages.h"

#include "ui/options/OptPage.h"
#include "ui/options/OptMp3Page.h"
#include "ui/options/OptWavPage.h"
#include "ui/options/OptOggPage.h"

std::vector<COptPage*> MakeOptionPages(const ConvertSettings& values, Desktop& desktop) {
  std::vector<COptPage*> pages;
  pages.push_back(new COptMp3Page(values, desktop));
  pages.push_back(new COptWavPage(values, desktop));
  pages.push_back(new COptOggPage(values, desktop));
  return pages;
}
