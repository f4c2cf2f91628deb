// A source-layer file that reaches up into the conversion layer.
#include "convert/Driver.h"
#include "platform/engine/Engine.h"
#include "source/Reader.h"
