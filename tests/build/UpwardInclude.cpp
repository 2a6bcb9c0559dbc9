// A platform source that includes a folder above it: the layer check must refuse it.
#include "platform/Codec.h"
#include "post/PostStore.h"
