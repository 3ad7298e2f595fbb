#include "training/elastic_map.h"

#include "data/data_table.h"
#include "grid/grid.h"
#include "training/sparse_system.h"

namespace manifit {

void ElasticMap::setData(DataTable& table) {
  data = &table;
  dimension = table.dimension;
  pointSearch.reset();
}

void ElasticMap::releaseSearch() {
  pointSearch = PrunedSearch();
}

void ElasticMap::setTestData(DataTable& table) {
  testData = &table;
}

void ElasticMap::setGrid(Grid& adopted) {
  grid = &adopted;
  dimension = adopted.dimension;
}

void ElasticMap::setReferenceGrid(Grid& reference) {
  referenceGrid = &reference;
}

void ElasticMap::setSystem(SparseSystem& linearSystem) {
  system = &linearSystem;
  system->size = grid != nullptr ? grid->nodeCount : 0;
}

}  // namespace manifit
