// The program's name and version: the About box and both binaries' version resources show them.
#pragma once

#define ZELT_PRODUCT_NAME "ZeltLauncher"
#define ZELT_VERSION_NUMBERS 0, 0, 0, 4
#define ZELT_VERSION_TEXT "0.0.0.4"
