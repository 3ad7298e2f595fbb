// The schedule of an elastic graph: the graph is grown from the data first,
// then the stages run as for every other grid.
#include "data/data_table.h"
#include "grid/grid_types.h"
#include "training/elastic_map.h"

namespace manifit {

Status ElasticMap::runGraphSchedule() {
  auto* graph = dynamic_cast<GraphGrid*>(grid);
  if (graph == nullptr) {
    return Status::failure("The elastic graph cannot be grown: the grid is not of type elgraph.\n");
  }
  if (data == nullptr) {
    return Status::failure("The elastic graph cannot be grown: there is no training table.\n");
  }
  Status status = graph->scatterAndCluster(*data, 10, 0.01);
  if (!status.ok()) return status;
  graph->buildClusterSegments(*data);
  graph->mergeSubgrids();
  status = graph->connectComponents();
  if (!status.ok()) return status;
  return runSchedule();
}

}  // namespace manifit
