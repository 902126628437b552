#include "library/qsort.h"

#include "library/collation_sort.h"
#include "library/tag_and_lib.h"
#include "library/tag_writer.h"

namespace kavrel::library {

void TQsort::Execute() {
    auto& progress = builder_.progress();
    progress.stageRunning(BuildStage::SortingTags);
    progress.fileNameLine({});
    progress.progressRange(3);
    int done = 0;
    for (auto* list : {&builder_.FileList, &builder_.SongLines, &builder_.ArtistNames}) {
        if (!builder_.gate().pass())
            return;
        sortByCollation(*list, builder_.collator());
        progress.progressPosition(++done);
    }
    progress.stageDone(BuildStage::SortingTags);
    if (builder_.SaveTags)
        builder_.handOver(std::make_unique<TTagWriter>(builder_));
}

} // namespace kavrel::library
