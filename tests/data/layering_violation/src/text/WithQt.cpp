// A Qt header outside src/app, for the test that the layering check refuses it.
#include <QString>
