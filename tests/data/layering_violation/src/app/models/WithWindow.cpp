// A model that includes a window's header, for the test that the layering check refuses it.
#include "app/MainWindow.h"
