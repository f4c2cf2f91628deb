// A conversion-layer header that uses the layers below it: allowed.
#include "codecs/writers/Writer.h"
#include "source/Reader.h"
