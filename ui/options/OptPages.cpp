#include "ui/options/OptPages.h"

#include "ui/options/OptOutputPage.h"
#include "ui/options/OptPage.h"

std::vector<COptPage*> MakeOptionPages(const ConvertSettings& values, Desktop& desktop) {
  std::vector<COptPage*> pages;
  pages.push_back(new COptOutputPage(values, desktop));
  return pages;
}
