// The product's name, spelled once. A macro so that the C++ constants built from it (registry keys,
// captions) and resource scripts can put it into longer literals.
#pragma once

#define SELVARA_PRODUCT_NAME "Selvara"
