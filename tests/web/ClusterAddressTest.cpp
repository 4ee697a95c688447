#include <gtest/gtest.h>

#include <string>

#include "core/web/ClusterBands.h"
#include "core/web/SiteAddress.h"

namespace {

std::string ClusterAddressOf(int index) {
  return kmb::SiteAddress("http://cluster.example", kmb::ClusterPath(kmb::ClusterPageCode(index))).value();
}

}  // namespace

TEST(ClusterAddress, NoChoiceLeavesTheCodeOutBetweenTwoUnderscores) {
  EXPECT_EQ(kmb::ClusterPageCode(-1), "");
  EXPECT_EQ(ClusterAddressOf(-1), "http://cluster.example/dxc/top_50__MHz.html");
  EXPECT_EQ(kmb::ClusterPageCode(14), "");
}

TEST(ClusterAddress, OnlyTheTwoGroupsTakeTheLongList) {
  EXPECT_EQ(ClusterAddressOf(0), "http://cluster.example/dxc/top_250_HF.html");
  EXPECT_EQ(ClusterAddressOf(13), "http://cluster.example/dxc/top_250_VHF.html");
  EXPECT_EQ(ClusterAddressOf(12), "http://cluster.example/dxc/top_50_430_MHz.html");
  EXPECT_EQ(kmb::ClusterPath("HF"), "/dxc/top_250_HF.html");
  EXPECT_EQ(kmb::ClusterPath("VHF"), "/dxc/top_250_VHF.html");
  EXPECT_EQ(kmb::ClusterPath("UHF"), "/dxc/top_50_UHF_MHz.html");
  EXPECT_EQ(kmb::ClusterPath("hf"), "/dxc/top_50_hf_MHz.html");
}

TEST(ClusterSetting, StoredIndexSelectsItsBand) {
  EXPECT_EQ(kmb::ClusterBandFromSetting("0"), 0);
  EXPECT_EQ(kmb::ClusterBandFromSetting("9"), 9);
  EXPECT_EQ(kmb::ClusterBandFromSetting("13"), 13);
  EXPECT_EQ(kmb::ClusterBandFromSetting(" 12"), 12);
}

TEST(ClusterSetting, LeadingNumberRuleReadsTheStart) {
  EXPECT_EQ(kmb::ClusterBandFromSetting("12 Mhz"), 12);
  EXPECT_EQ(kmb::ClusterBandFromSetting("5.4"), 5);
  EXPECT_EQ(kmb::ClusterBandFromSetting("5.6"), 6);
  EXPECT_EQ(kmb::ClusterBandFromSetting("12.5"), 12);  // ties go to even
}

TEST(ClusterSetting, AnythingOutsideTheListFallsBackToAllHf) {
  for (const char* stored : {"", "abc", "-1", "14", "99", "-0.7", "13.6", "1e300", "-1e300"})
    EXPECT_EQ(kmb::ClusterBandFromSetting(stored), 0) << '"' << stored << '"';
}

TEST(SiteAddress, FollowsTheSiteWithThePath) {
  EXPECT_EQ(kmb::SiteAddress("https://kmb.example", kmb::kRulesPath), "https://kmb.example/KMB/KMB.html");
  EXPECT_EQ(kmb::SiteAddress("https://kmb.example", kmb::kActiveListPath), "https://kmb.example/KMB/KMB-actif.html");
}

TEST(SiteAddress, ClosingSlashesAndBlanksAreDropped) {
  EXPECT_EQ(kmb::SiteAddress(" https://kmb.example// ", "/KMB/KMB.html"), "https://kmb.example/KMB/KMB.html");
  EXPECT_EQ(kmb::SiteAddress("https://kmb.example/club", "/KMB/KMB.html"), "https://kmb.example/club/KMB/KMB.html");
}

TEST(SiteAddress, BlankSiteGivesNoAddress) {
  EXPECT_FALSE(kmb::SiteAddress("", "/KMB/KMB.html").has_value());
  EXPECT_FALSE(kmb::SiteAddress("   ", "/KMB/KMB.html").has_value());
  EXPECT_FALSE(kmb::SiteAddress("/", "/KMB/KMB.html").has_value());
}

TEST(SiteAddress, OnlyWebAddressesAreLoaded) {
  EXPECT_EQ(kmb::SiteAddress("kmb.example", "/KMB/KMB.html"), "http://kmb.example/KMB/KMB.html");
  EXPECT_EQ(kmb::SiteAddress("localhost:8080", "/KMB/KMB.html"), "http://localhost:8080/KMB/KMB.html");
  EXPECT_EQ(kmb::SiteAddress("HTTPS://kmb.example", "/KMB/KMB.html"), "HTTPS://kmb.example/KMB/KMB.html");
  for (const char* site : {"javascript:alert(1)//", "JavaScript:1//x", "file:///etc", "data:text/html,x",
                           "ftp://kmb.example", "http:kmb.example"})
    EXPECT_FALSE(kmb::SiteAddress(site, "/KMB/KMB.html")) << site;
}
