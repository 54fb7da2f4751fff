<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_EN" sourcelanguage="tr_TR">
<context>
    <name>EzanSec</name>
    <message>
        <source>baslik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hata</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EzanSecClass</name>
    <message>
        <source>Ezan Seç</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sabah Ezanı</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Öğle Ezanı</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>İkindi Ezanı</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Akşam Ezanı</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yatsı Ezanı</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kaydet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>İptal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KibleAciCizim</name>
    <message>
        <source>Analog Clock</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QRavla</name>
    <message>
        <source>Ravla Namaz Vakti</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QRavlaClass</name>
    <message>
        <source>Ses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ezan Seç</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ses Düzeyi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seçenekler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kıble Yönü</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vakitler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cami</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>İmsak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fecir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Güneş</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Öğle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>İkindi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Akşam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yatsı</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daha fazla bilgi</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bilgi</name>
    <message>
        <source>Ravla Namaz Vakti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Günün namaz vakitlerini gösterir, vakit girince ezanı okur ve kıble yönünü gösterir.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linux ve Windows masaüstleri için.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veri kaynakları</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Güneşin konumu: NREL Güneş Konum Algoritması (SPA), I. Reda ve A. Andreas, 2004; yayımlanmış bilimsel veri.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Şehirler: GeoNames (CC BY 4.0), ülke adları: i18n-iso-countries (MIT).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saat dilimleri: IANA saat dilimi veritabanı (kamu malı).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hicri takvim: 30 yıllık devreli hesap takvimi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kullanılan kütüphaneler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt 6 (LGPL-3.0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SDL2 ve SDL2_mixer (zlib lisansı)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Özel Yöntem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hanefi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Şafi - Maliki - Hanbeli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hayır</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bilgiClass</name>
    <message>
        <source>Tüm Bilgiler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hesaplama Bilgileri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ülke:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Şehir:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enlem:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boylam:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hesaplama metodu:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>İkindi hesaplama metodu:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zaman dilimi:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gün ışıgından yararlanma:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Hakkında</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kibleClass</name>
    <message>
        <source>Kıble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamam</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>secenekler</name>
    <message>
        <source>Ocak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Şubat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nisan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayıs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Haziran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temmuz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ağustos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eylül</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ekim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kasım</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aralık</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uyarı</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ülkeler listesi bulunamadı</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koordinat verileri bulunamadı</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boş geçtiniz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enlem -90 ile 90 arasında olmalı: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boylam -180 ile 180 arasında olmalı: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Açı 0 ile 90 arasında olmalı: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enlem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boylam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zaman dilimi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 geçersiz: &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>seceneklerClass</name>
    <message>
        <source>Ayarlar Penceresi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yeni Şehir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ülke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Şehir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enlem:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boylam:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zaman Dilimi:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color: #b00000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Özel Şehir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yer - Konum Bilgisi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enlem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boylam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zaman Dilimi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yaz Saati Ayarları</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otomotik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Başlangıç Tarihi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitiş Tarihi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hesaplama Yöntemi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>University Of Islamic Sciences, Karachi - Safi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>University Of Islamic Sciences, Karachi - Hanefi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Islamic Society Of North America </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed Ishaa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Umm Al-Qura University</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Özel Metod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fecir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yatsı</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>İkindi Hesaplama Yöntemi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standart (Şafi - Maliki - Hanbeli )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hanefi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genel Ayarlar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zaman Dilimi Ayarı</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
