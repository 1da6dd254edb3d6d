#include <QLabel>
#include <gtest/gtest.h>

#include "app/WaveForm.h"
