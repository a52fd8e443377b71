#include "datagen.h"
bool write_building_tour_data(const std::string&, bool) { return true; }
