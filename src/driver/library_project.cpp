// project(): points onto a fitted map, as the projections file places them.
#include "data/data_table.h"
#include "driver/library_call.h"
#include "driver/library_convert.h"
#include "grid/grid.h"
#include "manifit/fit.h"

namespace manifit {

ProjectResult project(const Map& map, const TableView& points, int threads) {
  ProjectResult result;
  LibraryCall call(nullptr, threads);
  result.failure = call.run([&] {
    const Status usable = checkMap(map);
    if (!usable.ok()) return usable;
    if (points.pointCount < 0 || points.dimension != map.dimension ||
        (points.rows == nullptr && points.pointCount > 0)) {
      return Status::failure("The points have " + std::to_string(points.dimension) +
                             " coordinates, the map " + std::to_string(map.dimension) + ".\n");
    }
    const std::unique_ptr<Grid> grid = gridOf(map);
    const DataTable table = viewTable(points);
    PointProjections projected;
    grid->projectPoints(table, nullptr, projected);
    result.projection.nearestNode = std::move(projected.nearestNode);
    result.projection.coordinates = std::move(projected.coordinates);
    result.projection.squaredDistance = std::move(projected.squaredDistance);
    return Status::success();
  });
  return result;
}

}  // namespace manifit
