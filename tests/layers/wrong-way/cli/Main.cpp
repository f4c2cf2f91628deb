// A front end may use the whole core, but not another front end.
#include "convert/Driver.h"
#include "ui/MainWindow.h"
