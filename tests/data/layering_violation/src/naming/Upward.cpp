// An include upwards, for the test that the layering check refuses it.
#include "shortlist/Shortlist.h"
