#include "ui/options/OptPages.h"

#include "ui/options/OptPage.h"

std::vector<COptPage*> MakeOptionPages(const ConvertSettings& values, Desktop& desktop) {
  std::vector<COptPage*> pages;
  (void)values;
  (void)desktop;
  return pages;
}
