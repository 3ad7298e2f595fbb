// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
/  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
/  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
T  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
h  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
m  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
-  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
h  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
b  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
y  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
:  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected =
      manifit::project(map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension,
                                               nullptr},
                       1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
m  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
m  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
y  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
b  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
y  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
/  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
/  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
h  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
u  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
h  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
j  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
(  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    })  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
.  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
#// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
u  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
<  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
>  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
#// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
u  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
<  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
>  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
#// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
u  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
<  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
v  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
>  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
#// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
u  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
"  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
u  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
z  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
z  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
_  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
.  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
h  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
"  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
#// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
u  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
"  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
g  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
/  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
g  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
_  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
y  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
.  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
h  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
"  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
#// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
u  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
"  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
m  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
/  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
.  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
h  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
"  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
#// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
u  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
"  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
m  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
/  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
.  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
h  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
"  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
/  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
/  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
T  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
h  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
m  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
h  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
w  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
h  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
h  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
u  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
.  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
x  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
"  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
C  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
"  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
L  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
L  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
V  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
M  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
F  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
u  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
z  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
z  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
I  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
z  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
(  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }*  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    },  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } c  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } h  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } a  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } r  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }*  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }*  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }*  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    })  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
{  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }

  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  m  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  a  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  n  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  i  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  f  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  i  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  t  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
:  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected =
      manifit::project(map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension,
                                               nullptr},
                       1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
:  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected =
      manifit::project(map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension,
                                               nullptr},
                       1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
m  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
G  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
S  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
z  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
(  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } 5  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } 0  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } 0  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    },  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
    // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } 4  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } 0  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } 0  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } 0  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    })  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
};  // Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
u  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
0  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
};  // Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
}  // Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
x  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
"  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
C  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
"  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
L  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
L  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
V  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
M  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
F  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
u  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
z  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
z  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
T  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
O  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
I  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
u  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
(  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } t  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } u  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } i  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } n  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } t  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } 8  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } _  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } t  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }*  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } d  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } a  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } t  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } a  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    },  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } s  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } i  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } z  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } e  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } _  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } t  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } s  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } i  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } z  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } e  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(map,
                                                                manifit::TableView{map.nodes.data(),
                                                                                   map.nodeCount(),
                                                                                   map.dimension,
                                                                                   nullptr},
                                                                1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    })  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
{  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }

  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  c  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  o  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  n  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  s  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  t  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  s  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  t  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  d  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
:  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected =
      manifit::project(map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension,
                                               nullptr},
                       1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
:  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected =
      manifit::project(map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension,
                                               nullptr},
                       1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
g  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
h  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
=  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
m  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
:  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected =
      manifit::project(map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension,
                                               nullptr},
                       1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
:  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected =
      manifit::project(map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension,
                                               nullptr},
                       1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
u  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
z  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
z  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
F  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
(  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    })  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
.  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
w  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
(  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } "  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } g  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }.  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } m  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } a  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } p  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } "  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    },  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } d  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } a  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } t  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } a  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    },  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } s  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } i  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } z  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } e  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    })  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
};  // Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
m  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
:  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected =
      manifit::project(map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension,
                                               nullptr},
                       1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
:  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected =
      manifit::project(map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension,
                                               nullptr},
                       1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
M  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
F  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
=  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
m  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
:  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected =
      manifit::project(map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension,
                                               nullptr},
                       1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
:  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected =
      manifit::project(map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension,
                                               nullptr},
                       1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
M  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
F  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
(  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } h  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    })  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
};  // Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
(  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } !  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }.  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } o  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } k  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }(  // Every node of the map can be projected onto it.
                                               const manifit::ProjectResult projected =
                                                   manifit::project(
                                                       map,
                                                       manifit::TableView{map.nodes.data(),
                                                                          map.nodeCount(),
                                                                          map.dimension, nullptr},
                                                       1);
                                               if (!projected.ok()) __builtin_trap();
                                               for (int node
                                                    : projected.projection.nearestNode) {
                                                 if (node < 0 || node >= map.nodeCount())
                                                   __builtin_trap();
                                               })  // Every node of the map can be projected onto
                                                   // it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    })  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
u  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
0  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
};  // Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
m  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
:  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected =
      manifit::project(map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension,
                                               nullptr},
                       1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
:  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected =
      manifit::project(map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension,
                                               nullptr},
                       1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
M  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
&  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
m  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
=  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
.  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
m  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
};  // Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
(  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } m  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }.  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } n  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } o  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } d  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } e  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } C  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } o  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } u  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } n  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } t  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }(  // Every node of the map can be projected onto it.
                                               const manifit::ProjectResult projected =
                                                   manifit::project(
                                                       map,
                                                       manifit::TableView{map.nodes.data(),
                                                                          map.nodeCount(),
                                                                          map.dimension, nullptr},
                                                       1);
                                               if (!projected.ok()) __builtin_trap();
                                               for (int node
                                                    : projected.projection.nearestNode) {
                                                 if (node < 0 || node >= map.nodeCount())
                                                   __builtin_trap();
                                               })  // Every node of the map can be projected onto
                                                   // it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } <  // Every node of the map can be projected onto it.
                                               const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } 1  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } |  // Every node of the map can be projected onto it.
                                               const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } |  // Every node of the map can be projected onto it.
                                               const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } m  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } a  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } p  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }.  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } g  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } r  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } i  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } d  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } C  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } o  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } o  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } r  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } d  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } i  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } n  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } a  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } t  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } e  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } s  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }.  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } s  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } i  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } z  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } e  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }(  // Every node of the map can be projected onto it.
                                               const manifit::ProjectResult projected =
                                                   manifit::project(
                                                       map,
                                                       manifit::TableView{map.nodes.data(),
                                                                          map.nodeCount(),
                                                                          map.dimension, nullptr},
                                                       1);
                                               if (!projected.ok()) __builtin_trap();
                                               for (int node
                                                    : projected.projection.nearestNode) {
                                                 if (node < 0 || node >= map.nodeCount())
                                                   __builtin_trap();
                                               })  // Every node of the map can be projected onto
                                                   // it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } !  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } =  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } 3  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } u  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }*  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } m  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } a  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } p  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }.  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } n  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } o  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } d  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } e  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } C  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } o  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } u  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } n  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } t  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }(  // Every node of the map can be projected onto it.
                                               const manifit::ProjectResult projected =
                                                   manifit::project(
                                                       map,
                                                       manifit::TableView{map.nodes.data(),
                                                                          map.nodeCount(),
                                                                          map.dimension, nullptr},
                                                       1);
                                               if (!projected.ok()) __builtin_trap();
                                               for (int node
                                                    : projected.projection.nearestNode) {
                                                 if (node < 0 || node >= map.nodeCount())
                                                   __builtin_trap();
                                               })  // Every node of the map can be projected onto
                                                   // it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    })  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
_  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
_  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
b  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
u  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
_  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
(  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    })  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
};  // Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
/  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
/  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
E  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
v  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
y  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
j  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
h  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
m  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
.  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
m  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
:  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected =
      manifit::project(map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension,
                                               nullptr},
                       1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
:  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected =
      manifit::project(map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension,
                                               nullptr},
                       1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
P  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
j  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
R  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
s  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
u  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
j  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
d  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
=  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
m  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
:  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected =
      manifit::project(map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension,
                                               nullptr},
                       1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
:  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected =
      manifit::project(map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension,
                                               nullptr},
                       1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
j  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
c  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
(  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } m  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    },  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } m  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } a  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } n  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } i  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } f  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } i  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } t  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } :  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } :  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } T  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } a  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } b  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } l  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } e  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } V  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } i  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } e  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } w  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } {  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      m  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      a  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      p  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      .  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      n  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      o  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      d  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      e  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      s  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      .  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      d  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      a  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      t  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      a  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      (  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
          if (!projected.ok()) __builtin_trap(); for (int node
                                                      : projected.projection.nearestNode) {
            if (node < 0 || node >= map.nodeCount()) __builtin_trap();
          })  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      ,  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      m  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      a  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      p  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      .  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      n  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      o  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      d  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      e  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      C  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      o  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      u  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      n  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      t  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      (  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
          if (!projected.ok()) __builtin_trap(); for (int node
                                                      : projected.projection.nearestNode) {
            if (node < 0 || node >= map.nodeCount()) __builtin_trap();
          })  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      ,  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      m  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      a  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      p  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      .  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      d  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      i  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      m  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      e  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      n  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      s  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      i  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      o  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      n  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      ,  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }

      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      n  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      u  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      l  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      l  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      p  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      t  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
      r  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
      if (!projected.ok()) __builtin_trap();
      for (int node : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }
    }  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    },  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }

                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } 1  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    })  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
};  // Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
(  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } !  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } j  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } e  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } c  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } t  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } e  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } d  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }.  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } o  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } k  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }(  // Every node of the map can be projected onto it.
                                               const manifit::ProjectResult projected =
                                                   manifit::project(
                                                       map,
                                                       manifit::TableView{map.nodes.data(),
                                                                          map.nodeCount(),
                                                                          map.dimension, nullptr},
                                                       1);
                                               if (!projected.ok()) __builtin_trap();
                                               for (int node
                                                    : projected.projection.nearestNode) {
                                                 if (node < 0 || node >= map.nodeCount())
                                                   __builtin_trap();
                                               })  // Every node of the map can be projected onto
                                                   // it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    })  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
_  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
_  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
b  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
u  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
i  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
_  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
p  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
(  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    })  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
};  // Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
(  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } f  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } l  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } o  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap();
    for (int node
         : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } a  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } t  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } d  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } :  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }
                                           // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } p  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } r  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } o  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } j  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } e  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } c  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } t  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } e  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } d  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }.  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } p  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } r  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } o  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } j  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } e  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } c  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } t  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } i  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } o  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } n  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    }.  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } s  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } q  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } u  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } a  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } r  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } e  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } d  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } D  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } i  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } s  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } t  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } a  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } n  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } c  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    } e  // Every node of the map can be projected onto it.
                                           const manifit::ProjectResult projected =
                                               manifit::project(
                                                   map,
                                                   manifit::TableView{map.nodes.data(),
                                                                      map.nodeCount(),
                                                                      map.dimension, nullptr},
                                                   1);
    if (!projected.ok()) __builtin_trap(); for (int node
                                                : projected.projection.nearestNode) {
      if (node < 0 || node >= map.nodeCount()) __builtin_trap();
    })  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
{  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }

  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  i  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  f  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  (  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node
           : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      } !  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap();
      for (int node
           : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      }(  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
          if (!projected.ok()) __builtin_trap();
          for (int node
               : projected.projection.nearestNode) {
            if (node < 0 || node >= map.nodeCount()) __builtin_trap();
          } d  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
          if (!projected.ok()) __builtin_trap();
          for (int node
               : projected.projection.nearestNode) {
            if (node < 0 || node >= map.nodeCount()) __builtin_trap();
          }
          // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
          if (!projected.ok()) __builtin_trap();
          for (int node
               : projected.projection.nearestNode) {
            if (node < 0 || node >= map.nodeCount()) __builtin_trap();
          } =  // Every node of the map can be projected onto it.
          const manifit::ProjectResult projected = manifit::project(
              map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr},
              1);
          if (!projected.ok()) __builtin_trap(); for (int node
                                                      : projected.projection.nearestNode) {
            if (node < 0 || node >= map.nodeCount()) __builtin_trap();
          } =  // Every node of the map can be projected onto it.
                                                 const manifit::ProjectResult projected =
                                                     manifit::project(
                                                         map,
                                                         manifit::TableView{map.nodes.data(),
                                                                            map.nodeCount(),
                                                                            map.dimension, nullptr},
                                                         1);
          if (!projected.ok()) __builtin_trap(); for (int node
                                                      : projected.projection.nearestNode) {
            if (node < 0 || node >= map.nodeCount()) __builtin_trap();
          }
                                                 // Every node of the map can be projected onto it.
                                                 const manifit::ProjectResult projected =
                                                     manifit::project(
                                                         map,
                                                         manifit::TableView{map.nodes.data(),
                                                                            map.nodeCount(),
                                                                            map.dimension, nullptr},
                                                         1);
          if (!projected.ok()) __builtin_trap(); for (int node
                                                      : projected.projection.nearestNode) {
            if (node < 0 || node >= map.nodeCount()) __builtin_trap();
          } 0  // Every node of the map can be projected onto it.
                                                 const manifit::ProjectResult projected =
                                                     manifit::project(
                                                         map,
                                                         manifit::TableView{map.nodes.data(),
                                                                            map.nodeCount(),
                                                                            map.dimension, nullptr},
                                                         1);
          if (!projected.ok()) __builtin_trap(); for (int node
                                                      : projected.projection.nearestNode) {
            if (node < 0 || node >= map.nodeCount()) __builtin_trap();
          }.  // Every node of the map can be projected onto it.
                                                 const manifit::ProjectResult projected =
                                                     manifit::project(
                                                         map,
                                                         manifit::TableView{map.nodes.data(),
                                                                            map.nodeCount(),
                                                                            map.dimension, nullptr},
                                                         1);
          if (!projected.ok()) __builtin_trap(); for (int node
                                                      : projected.projection.nearestNode) {
            if (node < 0 || node >= map.nodeCount()) __builtin_trap();
          } 0  // Every node of the map can be projected onto it.
                                                 const manifit::ProjectResult projected =
                                                     manifit::project(
                                                         map,
                                                         manifit::TableView{map.nodes.data(),
                                                                            map.nodeCount(),
                                                                            map.dimension, nullptr},
                                                         1);
          if (!projected.ok()) __builtin_trap(); for (int node
                                                      : projected.projection.nearestNode) {
            if (node < 0 || node >= map.nodeCount()) __builtin_trap();
          } f  // Every node of the map can be projected onto it.
                                                 const manifit::ProjectResult projected =
                                                     manifit::project(
                                                         map,
                                                         manifit::TableView{map.nodes.data(),
                                                                            map.nodeCount(),
                                                                            map.dimension, nullptr},
                                                         1);
          if (!projected.ok()) __builtin_trap(); for (int node
                                                      : projected.projection.nearestNode) {
            if (node < 0 || node >= map.nodeCount()) __builtin_trap();
          })  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap(); for (int node
                                                  : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      })  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  _  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  _  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  b  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  u  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  i  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  l  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  t  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  i  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  n  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  _  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  t  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  r  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  a  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  p  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  (  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
      if (!projected.ok()) __builtin_trap(); for (int node
                                                  : projected.projection.nearestNode) {
        if (node < 0 || node >= map.nodeCount()) __builtin_trap();
      })  // Every node of the map can be projected onto it.
      const manifit::ProjectResult projected = manifit::project(
          map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  };  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }

  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  // Every node of the map can be projected onto it.
  const manifit::ProjectResult projected = manifit::project(
      map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
}  // Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
e  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
t  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
u  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
r  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
n  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
0  // Every node of the map can be projected onto it.
    const manifit::ProjectResult projected = manifit::project(
        map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
};  // Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
}  // Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}

// Every node of the map can be projected onto it.
const manifit::ProjectResult projected = manifit::project(
    map, manifit::TableView{map.nodes.data(), map.nodeCount(), map.dimension, nullptr}, 1);
if (!projected.ok()) __builtin_trap();
for (int node : projected.projection.nearestNode) {
  if (node < 0 || node >= map.nodeCount()) __builtin_trap();
}
