#pragma once

// The bounded reader of stored bytes, for the layers above that parse byte arrays a file holds
// (title data, for one): every read is checked against the bytes that remain.
#include "aafsdk/cfb/ByteReader.h"
