// Resource lookups happen for every texture, sound and document a screen
// takes; documents load by the hundred from the game's archives at start-up.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/repository.h"
#include "tests/support/temp_folder.h"
#include "tests/support/zip_writer.h"

namespace {

constexpr int kFolders = 20;
constexpr int kFilesPerFolder = 100;
constexpr int kArchiveDocuments = 1000;

// 2,000 records over 20 folders, and one archive of 1,000 small documents.
struct Library {
  Library() : files(folder.Path()) {
    files.CreateResourcesFolder();
    for (int f = 0; f < kFolders; ++f) {
      const std::string name = "data/folder" + std::to_string(f);
      for (int i = 0; i < kFilesPerFolder; ++i) {
        const std::string file = "file" + std::to_string(f) + "_" + std::to_string(i) + ".xml";
        test_support::WriteText(files.GetResourcesFolder() + name + "/" + file, "<a/>");
        qualified.push_back(name + " " + file);
        plain.push_back(file);
      }
      folders.push_back(name);
    }
    std::vector<test_support::Entry> entries;
    for (int i = 0; i < kArchiveDocuments; ++i) {
      const std::string name = "doc" + std::to_string(i) + ".xml";
      entries.emplace_back(name, "<doc id=\"" + std::to_string(i) + "\"><item value=\"1\"/></doc>",
                           true);
      documents.push_back("docs " + name);
    }
    test_support::WriteFile(files.GetResourcesFolder() + "docs", test_support::Build(entries));

    repository = std::make_unique<ORB::OC_REPOSITORY>(files, nullptr, nullptr);
    for (const std::string& name : folders) ready &= repository->AddFolder(name) == ORB::kResultOk;
    ready &= repository->AddFolder("docs") == ORB::kResultOk;
  }

  test_support::TempFolder folder;
  ORB::FileSystem files;
  std::vector<std::string> folders, qualified, plain, documents;
  std::unique_ptr<ORB::OC_REPOSITORY> repository;
  bool ready = true;  // every folder registered
};

Library& Shared() {
  static Library library;
  return library;
}

void BM_RepositoryFindFolderAndName(benchmark::State& state) {
  Library& library = Shared();
  if (!library.ready) state.SkipWithError("the test folders could not be registered");
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(library.repository->Find(library.qualified[i]));
    i = (i + 1) % library.qualified.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RepositoryFindFolderAndName);

// A plain name searches the folders in the order they were added.
void BM_RepositoryFindPlainName(benchmark::State& state) {
  Library& library = Shared();
  if (!library.ready) state.SkipWithError("the test folders could not be registered");
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(library.repository->Find(library.plain[i]));
    i = (i + 1) % library.plain.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RepositoryFindPlainName);

void BM_RepositoryLoadXmlFromArchive(benchmark::State& state) {
  Library& library = Shared();
  if (!library.ready) state.SkipWithError("the test folders could not be registered");
  for (auto _ : state) {
    for (const std::string& name : library.documents) {
      pugi::xml_document* document = library.repository->GetXml(name);
      benchmark::DoNotOptimize(document);
      library.repository->ReleaseXml(document);
    }
    library.repository->UnloadUnused();
  }
  state.SetItemsProcessed(state.iterations() * kArchiveDocuments);
}
BENCHMARK(BM_RepositoryLoadXmlFromArchive)->Unit(benchmark::kMillisecond);

}  // namespace
