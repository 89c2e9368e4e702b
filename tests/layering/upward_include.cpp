// The board rules may not draw: this include of a folder above them must fail to compile.
#include "render/board_renderer.h"
