#pragma once
// What lies behind the back wall, seen through the door: the yard, the moon
// and the snowman. Each leaves the model-view matrix as it was.

namespace snow_room {

void quintal();
void lua();
void boneco_de_neve();

}  // namespace snow_room
