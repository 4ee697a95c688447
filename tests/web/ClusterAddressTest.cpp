#include <gtest/gtest.h>

#include <string>

#include "core/web/ClusterBands.h"
#include "core/web/SiteAddress.h"
#include "support/TempFolder.h"

// The cluster window lists these bands in this order; each index's page.
TEST(ClusterAddress, EveryBandOfTheListAndItsPage) {
  std::string list;
  for (int index = 0; index < kmb::kClusterBandCount; ++index)
    list += std::string(kmb::ClusterBands()[index].label) + "=" + kmb::ClusterPath(kmb::ClusterPageCode(index)) + "\n";
  EXPECT_EQ(list, TestData("cluster-pages.txt"));
  // No choice leaves the code out between two underscores; only the two groups take the long list.
  EXPECT_EQ(kmb::ClusterPath(kmb::ClusterPageCode(-1)), "/dxc/top_50__MHz.html");
  EXPECT_EQ(kmb::ClusterPageCode(14), "");
  EXPECT_EQ(kmb::ClusterPath("UHF"), "/dxc/top_50_UHF_MHz.html");
  EXPECT_EQ(kmb::ClusterPath("hf"), "/dxc/top_50_hf_MHz.html");
}

// The stored index is read by its leading number, rounded, ties to even.
TEST(ClusterSetting, StoredIndexSelectsItsBandOrAllHf) {
  for (const auto& [stored, index] : std::vector<std::pair<const char*, int>>{
           {"0", 0}, {"13", 13}, {" 12", 12}, {"12 Mhz", 12}, {"5.4", 5}, {"5.6", 6}, {"12.5", 12}})
    EXPECT_EQ(kmb::ClusterBandFromSetting(stored), index) << stored;
  for (const char* stored : {"", "abc", "-1", "14", "99", "-0.7", "13.6", "1e300", "-1e300"})
    EXPECT_EQ(kmb::ClusterBandFromSetting(stored), 0) << '"' << stored << '"';
}

TEST(SiteAddress, FollowsTheSiteWithThePath) {
  EXPECT_EQ(kmb::SiteAddress("https://kmb.example", kmb::kRulesPath), "https://kmb.example/KMB/KMB.html");
  EXPECT_EQ(kmb::SiteAddress(" https://kmb.example// ", "/KMB/KMB.html"), "https://kmb.example/KMB/KMB.html");
  EXPECT_EQ(kmb::SiteAddress("https://kmb.example/club", "/KMB/KMB.html"), "https://kmb.example/club/KMB/KMB.html");
  for (const char* blank : {"", "   ", "/"}) EXPECT_FALSE(kmb::SiteAddress(blank, "/KMB/KMB.html")) << blank;
}

TEST(SiteAddress, OnlyWebAddressesAreLoaded) {
  EXPECT_EQ(kmb::SiteAddress("kmb.example", "/KMB/KMB.html"), "http://kmb.example/KMB/KMB.html");
  EXPECT_EQ(kmb::SiteAddress("localhost:8080", "/KMB/KMB.html"), "http://localhost:8080/KMB/KMB.html");
  EXPECT_EQ(kmb::SiteAddress("HTTPS://kmb.example", "/KMB/KMB.html"), "HTTPS://kmb.example/KMB/KMB.html");
  for (const char* site : {"javascript:alert(1)//", "JavaScript:1//x", "file:///etc", "data:text/html,x",
                           "ftp://kmb.example", "http:kmb.example"})
    EXPECT_FALSE(kmb::SiteAddress(site, "/KMB/KMB.html")) << site;
}
