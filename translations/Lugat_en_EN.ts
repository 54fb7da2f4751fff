<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_EN" sourcelanguage="tr_TR">
<context>
    <name>AylikCizelge</name>
    <message>
        <source>Aylık vakitler — %1 — %2</source>
        <translation>Monthly prayer times — %1 — %2</translation>
    </message>
    <message>
        <source>Yazdırılamadı</source>
        <translation>Printing failed</translation>
    </message>
    <message>
        <source>Sayfa yazıcıya gönderilemedi.</source>
        <translation>The page could not be sent to the printer.</translation>
    </message>
    <message>
        <source>Ayı yazdır</source>
        <translation>Print the month</translation>
    </message>
    <message>
        <source>PDF olarak kaydet</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>PDF belgeleri (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>CSV olarak kaydet</source>
        <translation>Save as CSV</translation>
    </message>
    <message>
        <source>CSV dosyaları (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>vakitler-%1-%2</source>
        <translation>prayer-times-%1-%2</translation>
    </message>
    <message>
        <source>Kaydedilemedi</source>
        <translation>Could not save</translation>
    </message>
    <message>
        <source>%1 yazılamadı: %2</source>
        <translation>Could not write %1: %2</translation>
    </message>
    <message>
        <source>Takvime aktar</source>
        <translation>Export to calendar</translation>
    </message>
    <message>
        <source>iCalendar dosyaları (*.ics)</source>
        <translation>iCalendar files (*.ics)</translation>
    </message>
</context>
<context>
    <name>AylikCizelgeClass</name>
    <message>
        <source>Aylık vakitler</source>
        <translation>Monthly prayer times</translation>
    </message>
    <message>
        <source>Önceki ay</source>
        <translation>Previous month</translation>
    </message>
    <message>
        <source>Sonraki ay</source>
        <translation>Next month</translation>
    </message>
    <message>
        <source>Yazdır...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>PDF olarak kaydet...</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <source>CSV olarak kaydet...</source>
        <translation>Save as CSV...</translation>
    </message>
    <message>
        <source>Kapat</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Takvime aktar...</source>
        <translation>Export to calendar...</translation>
    </message>
    <message>
        <source>Ayın vakitlerini takvim programınıza aktarmak için iCalendar (.ics) dosyası olarak kaydeder</source>
        <translation>Saves the month&apos;s prayer times as an iCalendar (.ics) file to import into your calendar program</translation>
    </message>
</context>
<context>
    <name>AylikSayfa</name>
    <message>
        <source>Pzt</source>
        <comment>Pazartesi</comment>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Sal</source>
        <comment>Salı</comment>
        <translation>Tue</translation>
    </message>
    <message>
        <source>Çar</source>
        <comment>Çarşamba</comment>
        <translation>Wed</translation>
    </message>
    <message>
        <source>Per</source>
        <comment>Perşembe</comment>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Cum</source>
        <comment>Cuma</comment>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Cmt</source>
        <comment>Cumartesi</comment>
        <translation>Sat</translation>
    </message>
    <message>
        <source>Paz</source>
        <comment>Pazar</comment>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Tarih</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Hicri</source>
        <translation>Hijri</translation>
    </message>
    <message>
        <source>Özel açılar: fecir %1, yatsı %2</source>
        <translation>Custom angles: Fajr %1, Isha %2</translation>
    </message>
    <message>
        <source>%1, Hanefi ikindi</source>
        <translation>%1, Hanafi Asr</translation>
    </message>
    <message>
        <source>Enlem %1, boylam %2, UTC%3</source>
        <translation>Latitude %1, longitude %2, UTC%3</translation>
    </message>
    <message>
        <source>* tahmini vakit: Güneş o gece alacakaranlık açısına inmiyor ya da geç iniyor; vakit yüksek enlem kuralıyla bulundu.</source>
        <translation>* estimated time: that night the sun does not sink to the twilight angle, or sinks to it late; the time was found with the high-latitude rule.</translation>
    </message>
    <message>
        <source>— bu vakit o gün yok.</source>
        <translation>— this time does not occur on that day.</translation>
    </message>
    <message>
        <source>Sayfa çizilemedi</source>
        <translation>The page could not be drawn</translation>
    </message>
    <message>
        <source>%1 (JAKIM %2)</source>
        <translation>%1 (JAKIM %2)</translation>
    </message>
    <message>
        <source>%1, JAKIM bölgesinin referans noktası</source>
        <translation>%1, the JAKIM zone&apos;s reference point</translation>
    </message>
    <message>
        <source>Dini günler ve geceler: %1</source>
        <translation>Religious days and nights: %1</translation>
    </message>
</context>
<context>
    <name>Depo</name>
    <message>
        <source>yerinde dosya değil, başka bir şey var</source>
        <translation>something other than a file stands in its place</translation>
    </message>
    <message>
        <source>%1 bir klasör değil</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>disk salt okunur</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>yazma izni yok</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>diskte yer kalmadı</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>disk yazmayı kabul etmedi</source>
        <translation>the disk refused the write</translation>
    </message>
    <message>
        <source>Ayarlar kaydedilemedi (%1): %2</source>
        <translation>The settings could not be saved (%1): %2</translation>
    </message>
</context>
<context>
    <name>Dil</name>
    <message>
        <source>tr</source>
        <comment>the catalogue&apos;s language: ar, de or en; nothing else</comment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>DiniGunler</name>
    <message>
        <source>Üç Ayların Başlangıcı</source>
        <translation>Beginning of the three holy months</translation>
    </message>
    <message>
        <source>Regaib Kandili</source>
        <translation>Night of Raghaib</translation>
    </message>
    <message>
        <source>Miraç Kandili</source>
        <translation>Night of the Ascension (Miraj)</translation>
    </message>
    <message>
        <source>Berat Kandili</source>
        <translation>Night of Forgiveness (Baraat)</translation>
    </message>
    <message>
        <source>Ramazan Başlangıcı</source>
        <translation>Beginning of Ramadan</translation>
    </message>
    <message>
        <source>Kadir Gecesi</source>
        <translation>Night of Power (Qadr)</translation>
    </message>
    <message>
        <source>Arefe</source>
        <comment>Ramazan Bayramı</comment>
        <translation>Day of Arafah</translation>
    </message>
    <message>
        <source>Ramazan Bayramı 1. Gün</source>
        <translation>Eid al-Fitr, day 1</translation>
    </message>
    <message>
        <source>Ramazan Bayramı 2. Gün</source>
        <translation>Eid al-Fitr, day 2</translation>
    </message>
    <message>
        <source>Ramazan Bayramı 3. Gün</source>
        <translation>Eid al-Fitr, day 3</translation>
    </message>
    <message>
        <source>Arefe</source>
        <comment>Kurban Bayramı</comment>
        <translation>Day of Arafah</translation>
    </message>
    <message>
        <source>Kurban Bayramı 1. Gün</source>
        <translation>Eid al-Adha, day 1</translation>
    </message>
    <message>
        <source>Kurban Bayramı 2. Gün</source>
        <translation>Eid al-Adha, day 2</translation>
    </message>
    <message>
        <source>Kurban Bayramı 3. Gün</source>
        <translation>Eid al-Adha, day 3</translation>
    </message>
    <message>
        <source>Kurban Bayramı 4. Gün</source>
        <translation>Eid al-Adha, day 4</translation>
    </message>
    <message>
        <source>Hicri Yılbaşı</source>
        <translation>Islamic New Year</translation>
    </message>
    <message>
        <source>Aşure Günü</source>
        <translation>Day of Ashura</translation>
    </message>
    <message>
        <source>Mevlid Kandili</source>
        <translation>Night of the Prophet&apos;s Birth (Mawlid)</translation>
    </message>
</context>
<context>
    <name>EzanIndirPenceresi</name>
    <message>
        <source>Ezan İndir</source>
        <translation>Download Adhan</translation>
    </message>
    <message>
        <source>Wikimedia Commons&apos;tan serbest lisanslı ezan kayıtları. İndirilen kayıt, listedeki boyutu ve SHA-256 özeti tutarsa ezan klasörünüze kaydedilir.</source>
        <translation>Freely licensed adhan recordings from Wikimedia Commons. A downloaded recording is saved into your adhan folder only if its size and SHA-256 match the list.</translation>
    </message>
    <message>
        <source>sabah ezanı</source>
        <translation>Fajr adhan</translation>
    </message>
    <message>
        <source>ezan</source>
        <translation>adhan</translation>
    </message>
    <message>
        <source>İndir</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Kapat</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>İptal</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>EzanPopupClass</name>
    <message>
        <source>Seçilen ezan kaydı çalınamadı</source>
        <translation>The chosen adhan recording could not be played</translation>
    </message>
</context>
<context>
    <name>EzanSec</name>
    <message>
        <source>Hata</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Ezan seçimi kaydedilemedi.</source>
        <translation>The adhan choice could not be saved.</translation>
    </message>
    <message>
        <source>Ekle...</source>
        <translation>Add...</translation>
    </message>
    <message>
        <source>İndir...</source>
        <translation>Download...</translation>
    </message>
    <message>
        <source>Ezan kaydı ekle</source>
        <translation>Add an adhan recording</translation>
    </message>
    <message>
        <source>Ses dosyaları (*.ogg *.oga *.opus *.mp3 *.flac *.wav);;Tüm dosyalar (*)</source>
        <translation>Audio files (*.ogg *.oga *.opus *.mp3 *.flac *.wav);;All files (*)</translation>
    </message>
    <message>
        <source>%1 kaydını ezan klasöründen siler</source>
        <translation>Removes the recording %1 from the adhan folder</translation>
    </message>
    <message>
        <source>Yalnızca sizin eklediğiniz kayıtlar silinebilir</source>
        <translation>Only recordings you added can be removed</translation>
    </message>
    <message>
        <source>Ezan eklenemedi</source>
        <translation>Adhan not added</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>dosya okunamadı</source>
        <translation>the file could not be read</translation>
    </message>
    <message>
        <source>dosya çok büyük (%1 MB; en çok 50 MB)</source>
        <translation>the file is too big (%1 MB; at most 50 MB)</translation>
    </message>
    <message>
        <source>bu dosya adı kullanılamaz</source>
        <translation>this file name cannot be used</translation>
    </message>
    <message>
        <source>ses çıkışı açılamadığından dosya denetlenemedi</source>
        <translation>the file could not be checked because no audio output could be opened</translation>
    </message>
    <message>
        <source>ses dosyası çözülemedi</source>
        <translation>the audio file could not be decoded</translation>
    </message>
    <message>
        <source>kayıt çok kısa (%1 saniye; en az 10 saniye)</source>
        <translation>the recording is too short (%1 seconds; at least 10 seconds)</translation>
    </message>
    <message>
        <source>Ezan ekle</source>
        <translation>Add adhan</translation>
    </message>
    <message>
        <source>Ezan klasöründe %1 adlı bir kayıt zaten var. Yenisiyle değiştirilsin mi?</source>
        <translation>The adhan folder already has a recording named %1. Replace it with the new one?</translation>
    </message>
    <message>
        <source>ezan klasörüne kopyalanamadı</source>
        <translation>it could not be copied into the adhan folder</translation>
    </message>
    <message>
        <source>%1 silinemedi.</source>
        <translation>%1 could not be removed.</translation>
    </message>
    <message>
        <source>Ezan sil</source>
        <translation>Remove adhan</translation>
    </message>
    <message>
        <source>%1 ezan klasöründen silinsin mi?</source>
        <translation>Remove %1 from the adhan folder?</translation>
    </message>
    <message>
        <source>sunucuya bağlanılamadı ya da sunucu dosyayı vermedi</source>
        <translation>the server could not be reached or did not send the file</translation>
    </message>
    <message>
        <source>sunucu yanıt vermedi (zaman aşımı)</source>
        <translation>the server did not answer (timeout)</translation>
    </message>
    <message>
        <source>güvenli olmayan (HTTPS olmayan) bir adrese yönlendirildi</source>
        <translation>it was redirected to an insecure (non-HTTPS) address</translation>
    </message>
    <message>
        <source>indirme yarıda kesildi ya da boyutu listedekinden farklı</source>
        <translation>the download was cut off or its size differs from the list</translation>
    </message>
    <message>
        <source>dosyanın SHA-256 özeti listedekiyle uyuşmuyor</source>
        <translation>the file&apos;s SHA-256 does not match the list</translation>
    </message>
    <message>
        <source>dosya ezan klasörüne kaydedilemedi</source>
        <translation>the file could not be saved into the adhan folder</translation>
    </message>
    <message>
        <source>indirme yarıda kaldı</source>
        <translation>the download did not finish</translation>
    </message>
    <message>
        <source>İndirilemedi</source>
        <translation>Download failed</translation>
    </message>
    <message>
        <source>Ezan indir</source>
        <translation>Download adhan</translation>
    </message>
    <message>
        <source>%1: %2. Hiçbir dosya kaydedilmedi.</source>
        <translation>%1: %2. No file was saved.</translation>
    </message>
    <message>
        <source>İndirilebilecek kayıtların listesi okunamadı.</source>
        <translation>The list of downloadable recordings could not be read.</translation>
    </message>
</context>
<context>
    <name>EzanSecClass</name>
    <message>
        <source>Ezan Seç</source>
        <translation>Choose Adhan</translation>
    </message>
    <message>
        <source>Sabah Ezanı</source>
        <translation>Fajr</translation>
    </message>
    <message>
        <source>Öğle Ezanı</source>
        <translation>Dhuhr</translation>
    </message>
    <message>
        <source>İkindi Ezanı</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>Akşam Ezanı</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Yatsı Ezanı</source>
        <translation>Isha</translation>
    </message>
    <message>
        <source>test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Kaydet</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>İptal</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Gerçek bir ezan kaydı ekleyin veya indirin</source>
        <translation>Add or download a real adhan recording</translation>
    </message>
    <message>
        <source>Sil</source>
        <translation>Remove</translation>
    </message>
</context>
<context>
    <name>KibleAciCizim</name>
    <message>
        <source>Analog Clock</source>
        <translation>Analog Clock</translation>
    </message>
</context>
<context>
    <name>MasaustuBildirimi</name>
    <message>
        <source>Ezanı durdur</source>
        <translation>Stop the adhan</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QRavla</name>
    <message>
        <source>Ravla Namaz Vakti</source>
        <translation>Ravla Prayer Times</translation>
    </message>
    <message>
        <source>Vakitler, bilgisayarın saat dilimine (%1) göre %2 - %3 için %4 yöntemiyle hesaplanıyor.</source>
        <translation>Following the computer&apos;s time zone (%1), the times are computed for %2 - %3 with the %4 method.</translation>
    </message>
    <message>
        <source>%1° K, %2° D</source>
        <translation>%1° N, %2° E</translation>
    </message>
    <message>
        <source>Henüz bir yer seçilmedi: vakitler %1 için %2 yöntemiyle hesaplanıyor.</source>
        <translation>No place chosen yet: the times are computed for %1 with the %2 method.</translation>
    </message>
    <message>
        <source>Henüz bir yer seçilmedi: vakitler %1 (%2, %3 yakını) için %4 yöntemiyle hesaplanıyor.</source>
        <translation>No place chosen yet: the times are computed for %1 (near %2, %3) with the %4 method.</translation>
    </message>
    <message>
        <source>Kendi yerinizi şehir sayfasında seçebilirsiniz.</source>
        <translation>You can choose your own place on the city page.</translation>
    </message>
    <message>
        <source>Şehir seç...</source>
        <translation>Choose city...</translation>
    </message>
    <message>
        <source>İlk çalıştırma</source>
        <translation>First run</translation>
    </message>
    <message>
        <source>Bugün: %1</source>
        <translation>Today: %1</translation>
    </message>
    <message>
        <source>Bu gece: %1</source>
        <translation>Tonight: %1</translation>
    </message>
</context>
<context>
    <name>QRavlaClass</name>
    <message>
        <source>Ses</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Oku</source>
        <translation>Play the adhan</translation>
    </message>
    <message>
        <source>Dur</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Ezan Seç</source>
        <translation>Choose adhan</translation>
    </message>
    <message>
        <source>Ses Düzeyi</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Seçenekler</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Kıble Yönü</source>
        <translation>Qibla direction</translation>
    </message>
    <message>
        <source>Vakitler</source>
        <translation>Prayer Times</translation>
    </message>
    <message>
        <source>Cami</source>
        <translation>Mosque</translation>
    </message>
    <message>
        <source>İmsak</source>
        <translation>Imsak</translation>
    </message>
    <message>
        <source>Fecir</source>
        <translation>Fajr</translation>
    </message>
    <message>
        <source>Güneş</source>
        <translation>Sunrise</translation>
    </message>
    <message>
        <source>Öğle</source>
        <translation>Dhuhr</translation>
    </message>
    <message>
        <source>İkindi</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>Akşam</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Yatsı</source>
        <translation>Isha</translation>
    </message>
    <message>
        <source>Daha fazla bilgi</source>
        <translation>More information</translation>
    </message>
    <message>
        <source>Aylık Vakitler</source>
        <translation>Monthly prayer times</translation>
    </message>
</context>
<context>
    <name>TakvimDosyasi</name>
    <message>
        <source>İmsak</source>
        <translation>Imsak</translation>
    </message>
    <message>
        <source>Sabah namazı</source>
        <translation>Fajr prayer</translation>
    </message>
    <message>
        <source>Güneş doğuşu</source>
        <translation>Sunrise</translation>
    </message>
    <message>
        <source>Öğle namazı</source>
        <translation>Dhuhr prayer</translation>
    </message>
    <message>
        <source>İkindi namazı</source>
        <translation>Asr prayer</translation>
    </message>
    <message>
        <source>Akşam namazı</source>
        <translation>Maghrib prayer</translation>
    </message>
    <message>
        <source>Yatsı namazı</source>
        <translation>Isha prayer</translation>
    </message>
    <message>
        <source>Namaz vakitleri</source>
        <translation>Prayer times</translation>
    </message>
    <message>
        <source>Namaz vakitleri — %1</source>
        <translation>Prayer times — %1</translation>
    </message>
</context>
<context>
    <name>bilgi</name>
    <message>
        <source>Ravla Namaz Vakti</source>
        <translation>Ravla Prayer Times</translation>
    </message>
    <message>
        <source>Günün namaz vakitlerini gösterir, vakit girince ezanı okur ve kıble yönünü gösterir.</source>
        <translation>Shows the day&apos;s prayer times, plays the adhan when each prayer time begins, and shows the Qibla direction.</translation>
    </message>
    <message>
        <source>Linux ve Windows masaüstleri için.</source>
        <translation>For Linux and Windows desktops.</translation>
    </message>
    <message>
        <source>Veri kaynakları</source>
        <translation>Data sources</translation>
    </message>
    <message>
        <source>Güneşin konumu: NREL Güneş Konum Algoritması (SPA), I. Reda ve A. Andreas, 2004; yayımlanmış bilimsel veri.</source>
        <translation>Position of the sun: NREL Solar Position Algorithm (SPA), I. Reda and A. Andreas, 2004; published scientific data.</translation>
    </message>
    <message>
        <source>Şehirler: GeoNames (CC BY 4.0), ülke adları: i18n-iso-countries (MIT).</source>
        <translation>Cities: GeoNames (CC BY 4.0), country names: i18n-iso-countries (MIT).</translation>
    </message>
    <message>
        <source>Saat dilimleri: IANA saat dilimi veritabanı (kamu malı).</source>
        <translation>Time zones: IANA time zone database (public domain).</translation>
    </message>
    <message>
        <source>Kullanılan kütüphaneler</source>
        <translation>Libraries used</translation>
    </message>
    <message>
        <source>Qt 6 (LGPL-3.0)</source>
        <translation>Qt 6 (LGPL-3.0)</translation>
    </message>
    <message>
        <source>SDL2 ve SDL2_mixer (zlib lisansı)</source>
        <translation>SDL2 and SDL2_mixer (zlib license)</translation>
    </message>
    <message>
        <source>Özel Yöntem</source>
        <translation>Custom method</translation>
    </message>
    <message>
        <source>Hanefi</source>
        <translation>Hanafi</translation>
    </message>
    <message>
        <source>Şafi - Maliki - Hanbeli</source>
        <translation>Shafi&apos;i - Maliki - Hanbali</translation>
    </message>
    <message>
        <source>Evet</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Hayır</source>
        <translation>No</translation>
    </message>
    <message>
        <source>JAKIM bölgesi: %1</source>
        <translation>JAKIM zone: %1</translation>
    </message>
    <message>
        <source>Bu yeri hiçbir bölge anmıyor: en yakın anılan yer %1 (%2 km), bölgesi onunki.</source>
        <translation>No zone names this place: it takes the zone of %1, the nearest place named (%2 km).</translation>
    </message>
    <message>
        <source>Vakitler bölgenin referans noktasında hesaplanır: enlem %1, boylam %2.</source>
        <translation>The times are computed at the zone&apos;s reference point: latitude %1, longitude %2.</translation>
    </message>
    <message>
        <source>Hicri takvim: 30 yıllık devreli hesap takvimi; Diyanet&apos;in Birleşik Hicri Takvimi Ay&apos;ın Meeus&apos;a göre (ELP-2000/82) hesaplanan konumuyla; Ümmü&apos;l-Kurâ ICU&apos;dan.</source>
        <translation>Hijri calendar: the arithmetical calendar of the 30-year cycle; Diyanet&apos;s Unified Hijri Calendar with the Moon&apos;s position after Meeus (ELP-2000/82); Umm al-Qura from ICU.</translation>
    </message>
</context>
<context>
    <name>bilgiClass</name>
    <message>
        <source>Tüm Bilgiler</source>
        <translation>All Information</translation>
    </message>
    <message>
        <source>Hesaplama Bilgileri</source>
        <translation>Calculation Details</translation>
    </message>
    <message>
        <source>Konum</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Ülke:</source>
        <translation>Country:</translation>
    </message>
    <message>
        <source>Şehir:</source>
        <translation>City:</translation>
    </message>
    <message>
        <source>Enlem:</source>
        <translation>Latitude:</translation>
    </message>
    <message>
        <source>Boylam:</source>
        <translation>Longitude:</translation>
    </message>
    <message>
        <source>Metot</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Hesaplama metodu:</source>
        <translation>Calculation method:</translation>
    </message>
    <message>
        <source>İkindi hesaplama metodu:</source>
        <translation>Asr calculation method:</translation>
    </message>
    <message>
        <source>Zaman dilimi:</source>
        <translation>Time zone:</translation>
    </message>
    <message>
        <source>Gün ışıgından yararlanma:</source>
        <translation>Daylight saving time:</translation>
    </message>
    <message>
        <source>Program Hakkında</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Hicri tarih:</source>
        <translation>Hijri date:</translation>
    </message>
</context>
<context>
    <name>kibleClass</name>
    <message>
        <source>Kıble</source>
        <translation>Qibla</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Tamam</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>secenekler</name>
    <message>
        <source>Ocak</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Şubat</source>
        <translation>February</translation>
    </message>
    <message>
        <source>Mart</source>
        <translation>March</translation>
    </message>
    <message>
        <source>Nisan</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Mayıs</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Haziran</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Temmuz</source>
        <translation>July</translation>
    </message>
    <message>
        <source>Ağustos</source>
        <translation>August</translation>
    </message>
    <message>
        <source>Eylül</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Ekim</source>
        <translation>October</translation>
    </message>
    <message>
        <source>Kasım</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Aralık</source>
        <translation>December</translation>
    </message>
    <message>
        <source>Uyarı</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Ülkeler listesi bulunamadı</source>
        <translation>The list of countries was not found</translation>
    </message>
    <message>
        <source>Hata</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Koordinat verileri bulunamadı</source>
        <translation>The coordinate data was not found</translation>
    </message>
    <message>
        <source>Boş geçtiniz</source>
        <translation>You left a field empty</translation>
    </message>
    <message>
        <source>Enlem -90 ile 90 arasında olmalı: %1</source>
        <translation>Latitude must be between -90 and 90: %1</translation>
    </message>
    <message>
        <source>Boylam -180 ile 180 arasında olmalı: %1</source>
        <translation>Longitude must be between -180 and 180: %1</translation>
    </message>
    <message>
        <source>Açı 0 ile 90 arasında olmalı: %1</source>
        <translation>The angle must be between 0 and 90: %1</translation>
    </message>
    <message>
        <source>Enlem</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Boylam</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Zaman dilimi</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>%1 geçersiz: &quot;%2&quot;</source>
        <translation>%1 is invalid: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Oturum açılınca başlatma ayarlanamadı</source>
        <translation>Starting at login could not be set up</translation>
    </message>
    <message>
        <source> (bu ülkenin yöntemi)</source>
        <translation> (this country&apos;s method)</translation>
    </message>
    <message>
        <source>Bu ülkenin kendi yöntemi var: %1. Hesaplama Yöntemi sayfasında seçebilirsiniz.</source>
        <translation>This country has a method of its own: %1. You can choose it on the Calculation Method page.</translation>
    </message>
    <message>
        <source>Yakında bu saat dilimini kullanan bir yer yok: yaz saati Avrupa kuralıyla uygulanır.</source>
        <translation>Within reach no place uses this time zone: summer time follows the European rule.</translation>
    </message>
    <message>
        <source>%1: yaz saati var</source>
        <translation>%1: summer time</translation>
    </message>
    <message>
        <source>%1: yaz saati yok</source>
        <translation>%1: no summer time</translation>
    </message>
    <message>
        <source>Bu ülkenin Hicri takvimi: %1. Genel sayfasında seçebilirsiniz.</source>
        <translation>This country&apos;s Hijri calendar: %1. You can choose it on the General page.</translation>
    </message>
    <message>
        <source>Diyanet (Birleşik Hicri Takvim)</source>
        <translation>Diyanet (Unified Hijri Calendar)</translation>
    </message>
    <message>
        <source>Ümmü&apos;l-Kurâ (Suudi Arabistan)</source>
        <translation>Umm al-Qura (Saudi Arabia)</translation>
    </message>
    <message>
        <source>Hesap takvimi (30 yıllık devir)</source>
        <translation>Tabular calendar (30-year cycle)</translation>
    </message>
    <message>
        <source> (bu ülkenin takvimi)</source>
        <translation> (this country&apos;s calendar)</translation>
    </message>
</context>
<context>
    <name>seceneklerClass</name>
    <message>
        <source>Ayarlar Penceresi</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Yeni Şehir</source>
        <translation>New City</translation>
    </message>
    <message>
        <source>Ülke</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Ara</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Şehir</source>
        <translation>City</translation>
    </message>
    <message>
        <source>Enlem:</source>
        <translation>Latitude:</translation>
    </message>
    <message>
        <source>Boylam:</source>
        <translation>Longitude:</translation>
    </message>
    <message>
        <source>Zaman Dilimi:</source>
        <translation>Time zone:</translation>
    </message>
    <message>
        <source>Tamam</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Özel Şehir</source>
        <translation>Custom City</translation>
    </message>
    <message>
        <source>Yer - Konum Bilgisi</source>
        <translation>Place - Location Details</translation>
    </message>
    <message>
        <source>Enlem</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Boylam</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Zaman Dilimi</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>Yaz Saati Ayarları</source>
        <translation>Daylight Saving Time Settings</translation>
    </message>
    <message>
        <source>Otomotik</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Elle</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Başlangıç Tarihi</source>
        <translation>Start date</translation>
    </message>
    <message>
        <source>Bitiş Tarihi</source>
        <translation>End date</translation>
    </message>
    <message>
        <source>Hesaplama Yöntemi</source>
        <translation>Calculation Method</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>Egyptian General Authority of Survey</translation>
    </message>
    <message>
        <source>University Of Islamic Sciences, Karachi - Safi</source>
        <translation>University Of Islamic Sciences, Karachi - Safi</translation>
    </message>
    <message>
        <source>University Of Islamic Sciences, Karachi - Hanefi</source>
        <translation>University Of Islamic Sciences, Karachi - Hanefi</translation>
    </message>
    <message>
        <source>Islamic Society Of North America </source>
        <translation>Islamic Society Of North America </translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>Muslim World League</translation>
    </message>
    <message>
        <source>Fixed Ishaa</source>
        <translation>Fixed Ishaa</translation>
    </message>
    <message>
        <source>Umm Al-Qura University</source>
        <translation>Umm Al-Qura University</translation>
    </message>
    <message>
        <source>Özel Metod</source>
        <translation>Custom Method</translation>
    </message>
    <message>
        <source>Fecir</source>
        <translation>Fajr</translation>
    </message>
    <message>
        <source>Yatsı</source>
        <translation>Isha</translation>
    </message>
    <message>
        <source>İkindi Hesaplama Yöntemi</source>
        <translation>Asr Calculation Method</translation>
    </message>
    <message>
        <source>Standart (Şafi - Maliki - Hanbeli )</source>
        <translation>Standard (Shafi&apos;i - Maliki - Hanbali)</translation>
    </message>
    <message>
        <source>Hanefi</source>
        <translation>Hanafi</translation>
    </message>
    <message>
        <source>Genel Ayarlar</source>
        <translation>General Settings</translation>
    </message>
    <message>
        <source>Zaman Dilimi Ayarı</source>
        <translation>Time Zone Setting</translation>
    </message>
    <message>
        <source>Diyanet İşleri Başkanlığı</source>
        <translation>Diyanet İşleri Başkanlığı</translation>
    </message>
    <message>
        <source>Umm al-Qura (today)</source>
        <translation>Umm al-Qura (today)</translation>
    </message>
    <message>
        <source>Dubai (Awqaf)</source>
        <translation>Dubai (Awqaf)</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation>Kuwait</translation>
    </message>
    <message>
        <source>Qatar (Calendar House)</source>
        <translation>Qatar (Calendar House)</translation>
    </message>
    <message>
        <source>Singapore (MUIS)</source>
        <translation>Singapore (MUIS)</translation>
    </message>
    <message>
        <source>Malaysia (JAKIM)</source>
        <translation>Malaysia (JAKIM)</translation>
    </message>
    <message>
        <source>Indonesia (Kemenag)</source>
        <translation>Indonesia (Kemenag)</translation>
    </message>
    <message>
        <source>Egypt (General Authority of Survey, today)</source>
        <translation>Egypt (General Authority of Survey, today)</translation>
    </message>
    <message>
        <source>Morocco (Habous)</source>
        <translation>Morocco (Habous)</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>Institute of Geophysics, University of Tehran</translation>
    </message>
    <message>
        <source>UOIF (France)</source>
        <translation>UOIF (France)</translation>
    </message>
    <message>
        <source>Spiritual Administration of Muslims of Russia</source>
        <translation>Spiritual Administration of Muslims of Russia</translation>
    </message>
    <message>
        <source>Kendi Dakikalarım ve Yüksek Enlem</source>
        <translation>Own Minute Adjustments and High Latitudes</translation>
    </message>
    <message>
        <source>İmsak</source>
        <translation>Imsak</translation>
    </message>
    <message>
        <source>Güneş</source>
        <translation>Sunrise</translation>
    </message>
    <message>
        <source>Öğle</source>
        <translation>Dhuhr</translation>
    </message>
    <message>
        <source>İkindi</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>Akşam</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Yüksek enlem kuralı</source>
        <translation>High-latitude rule</translation>
    </message>
    <message>
        <source>Güneşin alacakaranlık açısına inmediği yerlerde ve günlerde</source>
        <translation>For places and days where the sun does not sink to the twilight angle</translation>
    </message>
    <message>
        <source>En yakın alacakaranlıklı gün</source>
        <translation>Nearest day with twilight</translation>
    </message>
    <message>
        <source>Gecenin yarısı</source>
        <translation>Middle of the night</translation>
    </message>
    <message>
        <source>Gecenin yedide biri</source>
        <translation>One seventh of the night</translation>
    </message>
    <message>
        <source>Açıya göre (açı / 60 gece)</source>
        <translation>By angle (angle / 60 of the night)</translation>
    </message>
    <message>
        <source>Hicri Takvim</source>
        <translation>Hijri Calendar</translation>
    </message>
    <message>
        <source>Hicri tarih düzeltmesi (gün)</source>
        <translation>Hijri date correction (days)</translation>
    </message>
    <message>
        <source>Hicri tarihi ülkenizdeki hilal gözlemine uydurur</source>
        <translation>Matches the Hijri date to the crescent sighting in your country</translation>
    </message>
    <message>
        <source>Vakitten Önce Hatırlat (dakika)</source>
        <translation>Remind Before Prayer Times (minutes)</translation>
    </message>
    <message>
        <source>Kapalı</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Sabah</source>
        <translation>Fajr</translation>
    </message>
    <message>
        <source>Hatırlatırken kısa bir ses çal</source>
        <translation>Play a short sound with the reminder</translation>
    </message>
    <message>
        <source>Oturum açılınca başlat</source>
        <translation>Start at login</translation>
    </message>
    <message>
        <source>Vakitte ve hatırlatmada göster:</source>
        <translation>At prayer times and reminders show:</translation>
    </message>
    <message>
        <source>Kayan pencere</source>
        <translation>Sliding window</translation>
    </message>
    <message>
        <source>Masaüstü bildirimi</source>
        <translation>Desktop notification</translation>
    </message>
    <message>
        <source>Kayan pencere ve masaüstü bildirimi</source>
        <translation>Sliding window and desktop notification</translation>
    </message>
    <message>
        <source>Takvim</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>Hicri tarihin ve dini günlerin hangi takvime göre gösterileceği</source>
        <translation>Which calendar the Hijri date and the religious days follow</translation>
    </message>
</context>
</TS>
