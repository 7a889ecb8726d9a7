#pragma once

// The readers and writers of every record a universe file holds beside its
// hexes, for the universe's own reader and writer.

#include "universe/faction_color_json.h"
#include "universe/faction_json.h"
#include "universe/faction_list_json.h"
#include "universe/nebula_json.h"
#include "universe/region_json.h"
#include "universe/rutter_json.h"
#include "universe/sector_info_json.h"
#include "universe/starmap_label_json.h"
