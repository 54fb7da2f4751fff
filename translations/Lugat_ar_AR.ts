<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_AR" sourcelanguage="tr_TR">
<context>
    <name>AylikCizelge</name>
    <message>
        <source>Aylık vakitler — %1 — %2</source>
        <translation>المواقيت الشهرية — %1 — %2</translation>
    </message>
    <message>
        <source>Yazdırılamadı</source>
        <translation>تعذّرت الطباعة</translation>
    </message>
    <message>
        <source>Sayfa yazıcıya gönderilemedi.</source>
        <translation>تعذّر إرسال الصفحة إلى الطابعة.</translation>
    </message>
    <message>
        <source>Ayı yazdır</source>
        <translation>طباعة الشهر</translation>
    </message>
    <message>
        <source>PDF olarak kaydet</source>
        <translation>حفظ بصيغة PDF</translation>
    </message>
    <message>
        <source>PDF belgeleri (*.pdf)</source>
        <translation>مستندات PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV olarak kaydet</source>
        <translation>حفظ بصيغة CSV</translation>
    </message>
    <message>
        <source>CSV dosyaları (*.csv)</source>
        <translation>ملفات CSV (*.csv)</translation>
    </message>
    <message>
        <source>vakitler-%1-%2</source>
        <translation>mawaqit-%1-%2</translation>
    </message>
    <message>
        <source>Kaydedilemedi</source>
        <translation>تعذّر الحفظ</translation>
    </message>
    <message>
        <source>%1 yazılamadı: %2</source>
        <translation>تعذّرت كتابة ⁦%1⁩: %2</translation>
    </message>
    <message>
        <source>Takvime aktar</source>
        <translation>تصدير إلى التقويم</translation>
    </message>
    <message>
        <source>iCalendar dosyaları (*.ics)</source>
        <translation>ملفات iCalendar (*.ics)</translation>
    </message>
</context>
<context>
    <name>AylikCizelgeClass</name>
    <message>
        <source>Aylık vakitler</source>
        <translation>المواقيت الشهرية</translation>
    </message>
    <message>
        <source>Önceki ay</source>
        <translation>الشهر السابق</translation>
    </message>
    <message>
        <source>Sonraki ay</source>
        <translation>الشهر التالي</translation>
    </message>
    <message>
        <source>Yazdır...</source>
        <translation>طباعة...</translation>
    </message>
    <message>
        <source>PDF olarak kaydet...</source>
        <translation>حفظ بصيغة PDF...</translation>
    </message>
    <message>
        <source>CSV olarak kaydet...</source>
        <translation>حفظ بصيغة CSV...</translation>
    </message>
    <message>
        <source>Kapat</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Takvime aktar...</source>
        <translation>تصدير إلى التقويم...</translation>
    </message>
    <message>
        <source>Ayın vakitlerini takvim programınıza aktarmak için iCalendar (.ics) dosyası olarak kaydeder</source>
        <translation>يحفظ مواقيت صلاة الشهر في ملف iCalendar (.ics) لاستيراده في برنامج التقويم لديك</translation>
    </message>
</context>
<context>
    <name>AylikSayfa</name>
    <message>
        <source>Pzt</source>
        <comment>Pazartesi</comment>
        <translation>الاثنين</translation>
    </message>
    <message>
        <source>Sal</source>
        <comment>Salı</comment>
        <translation>الثلاثاء</translation>
    </message>
    <message>
        <source>Çar</source>
        <comment>Çarşamba</comment>
        <translation>الأربعاء</translation>
    </message>
    <message>
        <source>Per</source>
        <comment>Perşembe</comment>
        <translation>الخميس</translation>
    </message>
    <message>
        <source>Cum</source>
        <comment>Cuma</comment>
        <translation>الجمعة</translation>
    </message>
    <message>
        <source>Cmt</source>
        <comment>Cumartesi</comment>
        <translation>السبت</translation>
    </message>
    <message>
        <source>Paz</source>
        <comment>Pazar</comment>
        <translation>الأحد</translation>
    </message>
    <message>
        <source>Tarih</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Hicri</source>
        <translation>الهجري</translation>
    </message>
    <message>
        <source>Özel açılar: fecir %1, yatsı %2</source>
        <translation>زوايا مخصصة: الفجر ⁦%1⁩، العشاء ⁦%2⁩</translation>
    </message>
    <message>
        <source>%1, Hanefi ikindi</source>
        <translation>%1، العصر على المذهب الحنفي</translation>
    </message>
    <message>
        <source>Enlem %1, boylam %2, UTC%3</source>
        <translation>خط العرض ⁦%1⁩، خط الطول ⁦%2⁩، UTC%3</translation>
    </message>
    <message>
        <source>* tahmini vakit: Güneş o gece alacakaranlık açısına inmiyor ya da geç iniyor; vakit yüksek enlem kuralıyla bulundu.</source>
        <translation>* وقت تقديري: لا تنخفض الشمس في تلك الليلة إلى زاوية الشفق أو تنخفض إليها متأخرةً؛ وقد حُدِّد الوقت بقاعدة خطوط العرض العليا.</translation>
    </message>
    <message>
        <source>— bu vakit o gün yok.</source>
        <translation>— هذا الوقت لا يقع في ذلك اليوم.</translation>
    </message>
    <message>
        <source>Sayfa çizilemedi</source>
        <translation>تعذّر رسم الصفحة</translation>
    </message>
    <message>
        <source>%1 (JAKIM %2)</source>
        <translation>%1 (JAKIM %2)</translation>
    </message>
    <message>
        <source>%1, JAKIM bölgesinin referans noktası</source>
        <translation>%1، النقطة المرجعية لمنطقة JAKIM</translation>
    </message>
    <message>
        <source>Dini günler ve geceler: %1</source>
        <translation>الأيام والليالي الدينية: %1</translation>
    </message>
</context>
<context>
    <name>Depo</name>
    <message>
        <source>yerinde dosya değil, başka bir şey var</source>
        <translation>يوجد في مكانه شيء آخر غير ملف</translation>
    </message>
    <message>
        <source>%1 bir klasör değil</source>
        <translation>%1 ليس مجلدًا</translation>
    </message>
    <message>
        <source>disk salt okunur</source>
        <translation>القرص للقراءة فقط</translation>
    </message>
    <message>
        <source>yazma izni yok</source>
        <translation>لا يوجد إذن بالكتابة</translation>
    </message>
    <message>
        <source>diskte yer kalmadı</source>
        <translation>لم تعد هناك مساحة على القرص</translation>
    </message>
    <message>
        <source>disk yazmayı kabul etmedi</source>
        <translation>رفض القرص الكتابة</translation>
    </message>
    <message>
        <source>Ayarlar kaydedilemedi (%1): %2</source>
        <translation>تعذر حفظ الإعدادات (%1): %2</translation>
    </message>
</context>
<context>
    <name>Dil</name>
    <message>
        <source>tr</source>
        <comment>the catalogue&apos;s language: ar, de or en; nothing else</comment>
        <translation>ar</translation>
    </message>
</context>
<context>
    <name>DiniGunler</name>
    <message>
        <source>Üç Ayların Başlangıcı</source>
        <translation>بداية الأشهر الثلاثة</translation>
    </message>
    <message>
        <source>Regaib Kandili</source>
        <translation>ليلة الرغائب</translation>
    </message>
    <message>
        <source>Miraç Kandili</source>
        <translation>ليلة المعراج</translation>
    </message>
    <message>
        <source>Berat Kandili</source>
        <translation>ليلة البراءة</translation>
    </message>
    <message>
        <source>Ramazan Başlangıcı</source>
        <translation>بداية رمضان</translation>
    </message>
    <message>
        <source>Kadir Gecesi</source>
        <translation>ليلة القدر</translation>
    </message>
    <message>
        <source>Arefe</source>
        <comment>Ramazan Bayramı</comment>
        <translation>يوم عرفة</translation>
    </message>
    <message>
        <source>Ramazan Bayramı 1. Gün</source>
        <translation>عيد الفطر، اليوم الأول</translation>
    </message>
    <message>
        <source>Ramazan Bayramı 2. Gün</source>
        <translation>عيد الفطر، اليوم الثاني</translation>
    </message>
    <message>
        <source>Ramazan Bayramı 3. Gün</source>
        <translation>عيد الفطر، اليوم الثالث</translation>
    </message>
    <message>
        <source>Arefe</source>
        <comment>Kurban Bayramı</comment>
        <translation>يوم عرفة</translation>
    </message>
    <message>
        <source>Kurban Bayramı 1. Gün</source>
        <translation>عيد الأضحى، اليوم الأول</translation>
    </message>
    <message>
        <source>Kurban Bayramı 2. Gün</source>
        <translation>عيد الأضحى، اليوم الثاني</translation>
    </message>
    <message>
        <source>Kurban Bayramı 3. Gün</source>
        <translation>عيد الأضحى، اليوم الثالث</translation>
    </message>
    <message>
        <source>Kurban Bayramı 4. Gün</source>
        <translation>عيد الأضحى، اليوم الرابع</translation>
    </message>
    <message>
        <source>Hicri Yılbaşı</source>
        <translation>رأس السنة الهجرية</translation>
    </message>
    <message>
        <source>Aşure Günü</source>
        <translation>يوم عاشوراء</translation>
    </message>
    <message>
        <source>Mevlid Kandili</source>
        <translation>ليلة المولد النبوي</translation>
    </message>
</context>
<context>
    <name>EzanIndirPenceresi</name>
    <message>
        <source>Ezan İndir</source>
        <translation>تنزيل أذان</translation>
    </message>
    <message>
        <source>Wikimedia Commons&apos;tan serbest lisanslı ezan kayıtları. İndirilen kayıt, listedeki boyutu ve SHA-256 özeti tutarsa ezan klasörünüze kaydedilir.</source>
        <translation>تسجيلات أذان بترخيص حر من ويكيميديا كومنز. يُحفظ التسجيل المنزَّل في مجلد الأذان فقط إذا طابق حجمه وبصمة SHA-256 ما في القائمة.</translation>
    </message>
    <message>
        <source>sabah ezanı</source>
        <translation>أذان الفجر</translation>
    </message>
    <message>
        <source>ezan</source>
        <translation>أذان</translation>
    </message>
    <message>
        <source>İndir</source>
        <translation>تنزيل</translation>
    </message>
    <message>
        <source>Kapat</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>İptal</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>EzanPopupClass</name>
    <message>
        <source>Seçilen ezan kaydı çalınamadı</source>
        <translation>تعذّر تشغيل تسجيل الأذان المختار</translation>
    </message>
</context>
<context>
    <name>EzanSec</name>
    <message>
        <source>Hata</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Ezan seçimi kaydedilemedi.</source>
        <translation>تعذّر حفظ اختيار الأذان.</translation>
    </message>
    <message>
        <source>Ekle...</source>
        <translation>إضافة...</translation>
    </message>
    <message>
        <source>İndir...</source>
        <translation>تنزيل...</translation>
    </message>
    <message>
        <source>Ezan kaydı ekle</source>
        <translation>إضافة تسجيل أذان</translation>
    </message>
    <message>
        <source>Ses dosyaları (*.ogg *.oga *.opus *.mp3 *.flac *.wav);;Tüm dosyalar (*)</source>
        <translation>ملفات صوتية (*.ogg *.oga *.opus *.mp3 *.flac *.wav);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>%1 kaydını ezan klasöründen siler</source>
        <translation>يحذف التسجيل %1 من مجلد الأذان</translation>
    </message>
    <message>
        <source>Yalnızca sizin eklediğiniz kayıtlar silinebilir</source>
        <translation>لا يمكن حذف إلا التسجيلات التي أضفتها</translation>
    </message>
    <message>
        <source>Ezan eklenemedi</source>
        <translation>تعذرت إضافة الأذان</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>dosya okunamadı</source>
        <translation>تعذرت قراءة الملف</translation>
    </message>
    <message>
        <source>dosya çok büyük (%1 MB; en çok 50 MB)</source>
        <translation>الملف كبير جدًا (%1 ميغابايت؛ الحد الأقصى 50 ميغابايت)</translation>
    </message>
    <message>
        <source>bu dosya adı kullanılamaz</source>
        <translation>لا يمكن استخدام اسم الملف هذا</translation>
    </message>
    <message>
        <source>ses çıkışı açılamadığından dosya denetlenemedi</source>
        <translation>تعذر فحص الملف لتعذر فتح مخرج الصوت</translation>
    </message>
    <message>
        <source>ses dosyası çözülemedi</source>
        <translation>تعذر فك ترميز الملف الصوتي</translation>
    </message>
    <message>
        <source>kayıt çok kısa (%1 saniye; en az 10 saniye)</source>
        <translation>التسجيل قصير جدًا (%1 ثانية؛ 10 ثوانٍ على الأقل)</translation>
    </message>
    <message>
        <source>Ezan ekle</source>
        <translation>إضافة أذان</translation>
    </message>
    <message>
        <source>Ezan klasöründe %1 adlı bir kayıt zaten var. Yenisiyle değiştirilsin mi?</source>
        <translation>يوجد في مجلد الأذان تسجيل باسم %1. هل تريد استبداله بالجديد؟</translation>
    </message>
    <message>
        <source>ezan klasörüne kopyalanamadı</source>
        <translation>تعذر نسخه إلى مجلد الأذان</translation>
    </message>
    <message>
        <source>%1 silinemedi.</source>
        <translation>تعذر حذف %1.</translation>
    </message>
    <message>
        <source>Ezan sil</source>
        <translation>حذف أذان</translation>
    </message>
    <message>
        <source>%1 ezan klasöründen silinsin mi?</source>
        <translation>هل تريد حذف %1 من مجلد الأذان؟</translation>
    </message>
    <message>
        <source>sunucuya bağlanılamadı ya da sunucu dosyayı vermedi</source>
        <translation>تعذر الاتصال بالخادم أو لم يرسل الملف</translation>
    </message>
    <message>
        <source>sunucu yanıt vermedi (zaman aşımı)</source>
        <translation>لم يستجب الخادم (انتهت المهلة)</translation>
    </message>
    <message>
        <source>güvenli olmayan (HTTPS olmayan) bir adrese yönlendirildi</source>
        <translation>أعيد التوجيه إلى عنوان غير آمن (ليس HTTPS)</translation>
    </message>
    <message>
        <source>indirme yarıda kesildi ya da boyutu listedekinden farklı</source>
        <translation>انقطع التنزيل أو اختلف حجمه عما في القائمة</translation>
    </message>
    <message>
        <source>dosyanın SHA-256 özeti listedekiyle uyuşmuyor</source>
        <translation>بصمة SHA-256 للملف لا تطابق القائمة</translation>
    </message>
    <message>
        <source>dosya ezan klasörüne kaydedilemedi</source>
        <translation>تعذر حفظ الملف في مجلد الأذان</translation>
    </message>
    <message>
        <source>indirme yarıda kaldı</source>
        <translation>لم يكتمل التنزيل</translation>
    </message>
    <message>
        <source>İndirilemedi</source>
        <translation>تعذر التنزيل</translation>
    </message>
    <message>
        <source>Ezan indir</source>
        <translation>تنزيل أذان</translation>
    </message>
    <message>
        <source>%1: %2. Hiçbir dosya kaydedilmedi.</source>
        <translation>%1: %2. لم يُحفظ أي ملف.</translation>
    </message>
    <message>
        <source>İndirilebilecek kayıtların listesi okunamadı.</source>
        <translation>تعذرت قراءة قائمة التسجيلات القابلة للتنزيل.</translation>
    </message>
</context>
<context>
    <name>EzanSecClass</name>
    <message>
        <source>Ezan Seç</source>
        <translation>اختيار الأذان</translation>
    </message>
    <message>
        <source>Sabah Ezanı</source>
        <translation>أذان الفجر</translation>
    </message>
    <message>
        <source>Öğle Ezanı</source>
        <translation>أذان الظهر</translation>
    </message>
    <message>
        <source>İkindi Ezanı</source>
        <translation>أذان العصر</translation>
    </message>
    <message>
        <source>Akşam Ezanı</source>
        <translation>أذان المغرب</translation>
    </message>
    <message>
        <source>Yatsı Ezanı</source>
        <translation>أذان العشاء</translation>
    </message>
    <message>
        <source>test</source>
        <translation>تجربة</translation>
    </message>
    <message>
        <source>Kaydet</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>İptal</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Gerçek bir ezan kaydı ekleyin veya indirin</source>
        <translation>أضف تسجيل أذان حقيقيًا أو نزّله</translation>
    </message>
    <message>
        <source>Sil</source>
        <translation>حذف</translation>
    </message>
</context>
<context>
    <name>KibleAciCizim</name>
    <message>
        <source>Analog Clock</source>
        <translation>ساعة تناظرية</translation>
    </message>
</context>
<context>
    <name>MasaustuBildirimi</name>
    <message>
        <source>Ezanı durdur</source>
        <translation>أوقف الأذان</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QRavla</name>
    <message>
        <source>Ravla Namaz Vakti</source>
        <translation>رافلا لمواقيت الصلاة</translation>
    </message>
    <message>
        <source>Vakitler, bilgisayarın saat dilimine (%1) göre %2 - %3 için %4 yöntemiyle hesaplanıyor.</source>
        <translation>حسب المنطقة الزمنية للحاسوب (%1) تُحسب الأوقات لـ %2 - %3 بطريقة %4.</translation>
    </message>
    <message>
        <source>%1° K, %2° D</source>
        <translation>%1° شمالاً، %2° شرقاً</translation>
    </message>
    <message>
        <source>Henüz bir yer seçilmedi: vakitler %1 için %2 yöntemiyle hesaplanıyor.</source>
        <translation>لم يُختر مكان بعد: تُحسب الأوقات لـ %1 بطريقة %2.</translation>
    </message>
    <message>
        <source>Henüz bir yer seçilmedi: vakitler %1 (%2, %3 yakını) için %4 yöntemiyle hesaplanıyor.</source>
        <translation>لم يُختر مكان بعد: تُحسب الأوقات لـ %1 (قرب %2، %3) بطريقة %4.</translation>
    </message>
    <message>
        <source>Kendi yerinizi şehir sayfasında seçebilirsiniz.</source>
        <translation>يمكنك اختيار مكانك في صفحة المدينة.</translation>
    </message>
    <message>
        <source>Şehir seç...</source>
        <translation>اختر المدينة...</translation>
    </message>
    <message>
        <source>İlk çalıştırma</source>
        <translation>التشغيل الأول</translation>
    </message>
    <message>
        <source>Bugün: %1</source>
        <translation>اليوم: %1</translation>
    </message>
    <message>
        <source>Bu gece: %1</source>
        <translation>الليلة: %1</translation>
    </message>
</context>
<context>
    <name>QRavlaClass</name>
    <message>
        <source>Ses</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>Oku</source>
        <translation>تشغيل الأذان</translation>
    </message>
    <message>
        <source>Dur</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Ezan Seç</source>
        <translation>اختيار الأذان</translation>
    </message>
    <message>
        <source>Ses Düzeyi</source>
        <translation>مستوى الصوت</translation>
    </message>
    <message>
        <source>Seçenekler</source>
        <translation>الخيارات</translation>
    </message>
    <message>
        <source>Kıble Yönü</source>
        <translation>اتجاه القبلة</translation>
    </message>
    <message>
        <source>Vakitler</source>
        <translation>مواقيت الصلاة</translation>
    </message>
    <message>
        <source>Cami</source>
        <translation>المسجد</translation>
    </message>
    <message>
        <source>İmsak</source>
        <translation>الإمساك</translation>
    </message>
    <message>
        <source>Fecir</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>Güneş</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>Öğle</source>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>İkindi</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>Akşam</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>Yatsı</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>Daha fazla bilgi</source>
        <translation>مزيد من المعلومات</translation>
    </message>
    <message>
        <source>Aylık Vakitler</source>
        <translation>المواقيت الشهرية</translation>
    </message>
</context>
<context>
    <name>TakvimDosyasi</name>
    <message>
        <source>İmsak</source>
        <translation>الإمساك</translation>
    </message>
    <message>
        <source>Sabah namazı</source>
        <translation>صلاة الفجر</translation>
    </message>
    <message>
        <source>Güneş doğuşu</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>Öğle namazı</source>
        <translation>صلاة الظهر</translation>
    </message>
    <message>
        <source>İkindi namazı</source>
        <translation>صلاة العصر</translation>
    </message>
    <message>
        <source>Akşam namazı</source>
        <translation>صلاة المغرب</translation>
    </message>
    <message>
        <source>Yatsı namazı</source>
        <translation>صلاة العشاء</translation>
    </message>
    <message>
        <source>Namaz vakitleri</source>
        <translation>مواقيت الصلاة</translation>
    </message>
    <message>
        <source>Namaz vakitleri — %1</source>
        <translation>مواقيت الصلاة — %1</translation>
    </message>
</context>
<context>
    <name>bilgi</name>
    <message>
        <source>Ravla Namaz Vakti</source>
        <translation>رافلا لمواقيت الصلاة</translation>
    </message>
    <message>
        <source>Günün namaz vakitlerini gösterir, vakit girince ezanı okur ve kıble yönünü gösterir.</source>
        <translation>يعرض مواقيت الصلاة لليوم، ويشغّل الأذان عند دخول وقت كل صلاة، ويبيّن اتجاه القبلة.</translation>
    </message>
    <message>
        <source>Linux ve Windows masaüstleri için.</source>
        <translation>لأسطح المكتب في لينكس وويندوز.</translation>
    </message>
    <message>
        <source>Veri kaynakları</source>
        <translation>مصادر البيانات</translation>
    </message>
    <message>
        <source>Güneşin konumu: NREL Güneş Konum Algoritması (SPA), I. Reda ve A. Andreas, 2004; yayımlanmış bilimsel veri.</source>
        <translation>موقع الشمس: خوارزمية موقع الشمس من NREL (SPA)، I. Reda و A. Andreas، 2004؛ بيانات علمية منشورة.</translation>
    </message>
    <message>
        <source>Şehirler: GeoNames (CC BY 4.0), ülke adları: i18n-iso-countries (MIT).</source>
        <translation>المدن: GeoNames (CC BY 4.0)، أسماء الدول: i18n-iso-countries (MIT).</translation>
    </message>
    <message>
        <source>Saat dilimleri: IANA saat dilimi veritabanı (kamu malı).</source>
        <translation>المناطق الزمنية: قاعدة بيانات المناطق الزمنية IANA (ملكية عامة).</translation>
    </message>
    <message>
        <source>Kullanılan kütüphaneler</source>
        <translation>المكتبات المستخدمة</translation>
    </message>
    <message>
        <source>Qt 6 (LGPL-3.0)</source>
        <translation>Qt 6 (LGPL-3.0)</translation>
    </message>
    <message>
        <source>SDL2 ve SDL2_mixer (zlib lisansı)</source>
        <translation>SDL2 و SDL2_mixer (رخصة zlib)</translation>
    </message>
    <message>
        <source>Özel Yöntem</source>
        <translation>طريقة مخصصة</translation>
    </message>
    <message>
        <source>Hanefi</source>
        <translation>الحنفي</translation>
    </message>
    <message>
        <source>Şafi - Maliki - Hanbeli</source>
        <translation>الشافعي - المالكي - الحنبلي</translation>
    </message>
    <message>
        <source>Evet</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>Hayır</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>JAKIM bölgesi: %1</source>
        <translation>منطقة JAKIM: %1</translation>
    </message>
    <message>
        <source>Bu yeri hiçbir bölge anmıyor: en yakın anılan yer %1 (%2 km), bölgesi onunki.</source>
        <translation>لا تذكر أي منطقة هذا المكان: يأخذ منطقة %1، أقرب مكان مذكور (%2 كم).</translation>
    </message>
    <message>
        <source>Vakitler bölgenin referans noktasında hesaplanır: enlem %1, boylam %2.</source>
        <translation>تُحسب الأوقات عند النقطة المرجعية للمنطقة: خط العرض %1، خط الطول %2.</translation>
    </message>
    <message>
        <source>Hicri takvim: 30 yıllık devreli hesap takvimi; Diyanet&apos;in Birleşik Hicri Takvimi Ay&apos;ın Meeus&apos;a göre (ELP-2000/82) hesaplanan konumuyla; Ümmü&apos;l-Kurâ ICU&apos;dan.</source>
        <translation>التقويم الهجري: التقويم الحسابي بدورة ثلاثين سنة؛ التقويم الهجري الموحد لرئاسة الشؤون الدينية التركية بموقع القمر المحسوب وفق ميوس (ELP-2000/82)؛ أم القرى من مكتبة ICU.</translation>
    </message>
</context>
<context>
    <name>bilgiClass</name>
    <message>
        <source>Tüm Bilgiler</source>
        <translation>جميع المعلومات</translation>
    </message>
    <message>
        <source>Hesaplama Bilgileri</source>
        <translation>معلومات الحساب</translation>
    </message>
    <message>
        <source>Konum</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Ülke:</source>
        <translation>الدولة:</translation>
    </message>
    <message>
        <source>Şehir:</source>
        <translation>المدينة:</translation>
    </message>
    <message>
        <source>Enlem:</source>
        <translation>خط العرض:</translation>
    </message>
    <message>
        <source>Boylam:</source>
        <translation>خط الطول:</translation>
    </message>
    <message>
        <source>Metot</source>
        <translation>الطريقة</translation>
    </message>
    <message>
        <source>Hesaplama metodu:</source>
        <translation>طريقة الحساب:</translation>
    </message>
    <message>
        <source>İkindi hesaplama metodu:</source>
        <translation>طريقة حساب العصر:</translation>
    </message>
    <message>
        <source>Zaman dilimi:</source>
        <translation>المنطقة الزمنية:</translation>
    </message>
    <message>
        <source>Gün ışıgından yararlanma:</source>
        <translation>التوقيت الصيفي:</translation>
    </message>
    <message>
        <source>Program Hakkında</source>
        <translation>حول البرنامج</translation>
    </message>
    <message>
        <source>Hicri tarih:</source>
        <translation>التاريخ الهجري:</translation>
    </message>
</context>
<context>
    <name>kibleClass</name>
    <message>
        <source>Kıble</source>
        <translation>القبلة</translation>
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
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>secenekler</name>
    <message>
        <source>Ocak</source>
        <translation>يناير</translation>
    </message>
    <message>
        <source>Şubat</source>
        <translation>فبراير</translation>
    </message>
    <message>
        <source>Mart</source>
        <translation>مارس</translation>
    </message>
    <message>
        <source>Nisan</source>
        <translation>أبريل</translation>
    </message>
    <message>
        <source>Mayıs</source>
        <translation>مايو</translation>
    </message>
    <message>
        <source>Haziran</source>
        <translation>يونيو</translation>
    </message>
    <message>
        <source>Temmuz</source>
        <translation>يوليو</translation>
    </message>
    <message>
        <source>Ağustos</source>
        <translation>أغسطس</translation>
    </message>
    <message>
        <source>Eylül</source>
        <translation>سبتمبر</translation>
    </message>
    <message>
        <source>Ekim</source>
        <translation>أكتوبر</translation>
    </message>
    <message>
        <source>Kasım</source>
        <translation>نوفمبر</translation>
    </message>
    <message>
        <source>Aralık</source>
        <translation>ديسمبر</translation>
    </message>
    <message>
        <source>Uyarı</source>
        <translation>تنبيه</translation>
    </message>
    <message>
        <source>Ülkeler listesi bulunamadı</source>
        <translation>لم يتم العثور على قائمة الدول</translation>
    </message>
    <message>
        <source>Hata</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Koordinat verileri bulunamadı</source>
        <translation>لم يتم العثور على بيانات الإحداثيات</translation>
    </message>
    <message>
        <source>Boş geçtiniz</source>
        <translation>لقد تركت حقلًا فارغًا</translation>
    </message>
    <message>
        <source>Enlem -90 ile 90 arasında olmalı: %1</source>
        <translation>يجب أن يكون خط العرض بين ‎-90 و 90: %1</translation>
    </message>
    <message>
        <source>Boylam -180 ile 180 arasında olmalı: %1</source>
        <translation>يجب أن يكون خط الطول بين ‎-180 و 180: %1</translation>
    </message>
    <message>
        <source>Açı 0 ile 90 arasında olmalı: %1</source>
        <translation>يجب أن تكون الزاوية بين 0 و 90: %1</translation>
    </message>
    <message>
        <source>Enlem</source>
        <translation>خط العرض</translation>
    </message>
    <message>
        <source>Boylam</source>
        <translation>خط الطول</translation>
    </message>
    <message>
        <source>Zaman dilimi</source>
        <translation>المنطقة الزمنية</translation>
    </message>
    <message>
        <source>%1 geçersiz: &quot;%2&quot;</source>
        <translation>قيمة %1 غير صالحة: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Oturum açılınca başlatma ayarlanamadı</source>
        <translation>تعذّر ضبط التشغيل عند تسجيل الدخول</translation>
    </message>
    <message>
        <source> (bu ülkenin yöntemi)</source>
        <translation> (طريقة هذا البلد)</translation>
    </message>
    <message>
        <source>Bu ülkenin kendi yöntemi var: %1. Hesaplama Yöntemi sayfasında seçebilirsiniz.</source>
        <translation>لهذا البلد طريقة خاصة به: %1. يمكنك اختيارها في صفحة طريقة الحساب.</translation>
    </message>
    <message>
        <source>Yakında bu saat dilimini kullanan bir yer yok: yaz saati Avrupa kuralıyla uygulanır.</source>
        <translation>لا يوجد مكان قريب يستخدم هذه المنطقة الزمنية: التوقيت الصيفي يتبع القاعدة الأوروبية.</translation>
    </message>
    <message>
        <source>%1: yaz saati var</source>
        <translation>%1: يوجد توقيت صيفي</translation>
    </message>
    <message>
        <source>%1: yaz saati yok</source>
        <translation>%1: لا يوجد توقيت صيفي</translation>
    </message>
    <message>
        <source>Bu ülkenin Hicri takvimi: %1. Genel sayfasında seçebilirsiniz.</source>
        <translation>التقويم الهجري لهذا البلد: %1. يمكنك اختياره في الصفحة العامة.</translation>
    </message>
    <message>
        <source>Diyanet (Birleşik Hicri Takvim)</source>
        <translation>ديانت (التقويم الهجري الموحد)</translation>
    </message>
    <message>
        <source>Ümmü&apos;l-Kurâ (Suudi Arabistan)</source>
        <translation>أم القرى (السعودية)</translation>
    </message>
    <message>
        <source>Hesap takvimi (30 yıllık devir)</source>
        <translation>التقويم الحسابي (دورة ثلاثين سنة)</translation>
    </message>
    <message>
        <source> (bu ülkenin takvimi)</source>
        <translation> (تقويم هذا البلد)</translation>
    </message>
</context>
<context>
    <name>seceneklerClass</name>
    <message>
        <source>Ayarlar Penceresi</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Yeni Şehir</source>
        <translation>مدينة جديدة</translation>
    </message>
    <message>
        <source>Ülke</source>
        <translation>الدولة</translation>
    </message>
    <message>
        <source>Ara</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Şehir</source>
        <translation>المدينة</translation>
    </message>
    <message>
        <source>Enlem:</source>
        <translation>خط العرض:</translation>
    </message>
    <message>
        <source>Boylam:</source>
        <translation>خط الطول:</translation>
    </message>
    <message>
        <source>Zaman Dilimi:</source>
        <translation>المنطقة الزمنية:</translation>
    </message>
    <message>
        <source>Tamam</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Özel Şehir</source>
        <translation>مدينة مخصصة</translation>
    </message>
    <message>
        <source>Yer - Konum Bilgisi</source>
        <translation>المكان - معلومات الموقع</translation>
    </message>
    <message>
        <source>Enlem</source>
        <translation>خط العرض</translation>
    </message>
    <message>
        <source>Boylam</source>
        <translation>خط الطول</translation>
    </message>
    <message>
        <source>Zaman Dilimi</source>
        <translation>المنطقة الزمنية</translation>
    </message>
    <message>
        <source>Yaz Saati Ayarları</source>
        <translation>إعدادات التوقيت الصيفي</translation>
    </message>
    <message>
        <source>Otomotik</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>Elle</source>
        <translation>يدوي</translation>
    </message>
    <message>
        <source>Başlangıç Tarihi</source>
        <translation>تاريخ البدء</translation>
    </message>
    <message>
        <source>Bitiş Tarihi</source>
        <translation>تاريخ الانتهاء</translation>
    </message>
    <message>
        <source>Hesaplama Yöntemi</source>
        <translation>طريقة الحساب</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>الهيئة المصرية العامة للمساحة</translation>
    </message>
    <message>
        <source>University Of Islamic Sciences, Karachi - Safi</source>
        <translation>جامعة العلوم الإسلامية بكراتشي - شافعي</translation>
    </message>
    <message>
        <source>University Of Islamic Sciences, Karachi - Hanefi</source>
        <translation>جامعة العلوم الإسلامية بكراتشي - حنفي</translation>
    </message>
    <message>
        <source>Islamic Society Of North America </source>
        <translation>الجمعية الإسلامية لأمريكا الشمالية</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>رابطة العالم الإسلامي</translation>
    </message>
    <message>
        <source>Fixed Ishaa</source>
        <translation>عشاء ثابت</translation>
    </message>
    <message>
        <source>Umm Al-Qura University</source>
        <translation>جامعة أم القرى</translation>
    </message>
    <message>
        <source>Özel Metod</source>
        <translation>طريقة مخصصة</translation>
    </message>
    <message>
        <source>Fecir</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>Yatsı</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>İkindi Hesaplama Yöntemi</source>
        <translation>طريقة حساب العصر</translation>
    </message>
    <message>
        <source>Standart (Şafi - Maliki - Hanbeli )</source>
        <translation>قياسي (الشافعي - المالكي - الحنبلي)</translation>
    </message>
    <message>
        <source>Hanefi</source>
        <translation>الحنفي</translation>
    </message>
    <message>
        <source>Genel Ayarlar</source>
        <translation>الإعدادات العامة</translation>
    </message>
    <message>
        <source>Zaman Dilimi Ayarı</source>
        <translation>إعداد المنطقة الزمنية</translation>
    </message>
    <message>
        <source>Diyanet İşleri Başkanlığı</source>
        <translation>رئاسة الشؤون الدينية التركية</translation>
    </message>
    <message>
        <source>Umm al-Qura (today)</source>
        <translation>أم القرى (حالياً)</translation>
    </message>
    <message>
        <source>Dubai (Awqaf)</source>
        <translation>دبي (الأوقاف)</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation>الكويت</translation>
    </message>
    <message>
        <source>Qatar (Calendar House)</source>
        <translation>قطر (دار التقويم)</translation>
    </message>
    <message>
        <source>Singapore (MUIS)</source>
        <translation>سنغافورة (موئيس)</translation>
    </message>
    <message>
        <source>Malaysia (JAKIM)</source>
        <translation>ماليزيا (جاكيم)</translation>
    </message>
    <message>
        <source>Indonesia (Kemenag)</source>
        <translation>إندونيسيا (وزارة الشؤون الدينية)</translation>
    </message>
    <message>
        <source>Egypt (General Authority of Survey, today)</source>
        <translation>مصر (الهيئة العامة للمساحة، حالياً)</translation>
    </message>
    <message>
        <source>Morocco (Habous)</source>
        <translation>المغرب (وزارة الأوقاف)</translation>
    </message>
    <message>
        <source>Institute of Geophysics, University of Tehran</source>
        <translation>معهد الجيوفيزياء بجامعة طهران</translation>
    </message>
    <message>
        <source>UOIF (France)</source>
        <translation>اتحاد المنظمات الإسلامية في فرنسا</translation>
    </message>
    <message>
        <source>Spiritual Administration of Muslims of Russia</source>
        <translation>الإدارة الدينية لمسلمي روسيا</translation>
    </message>
    <message>
        <source>Kendi Dakikalarım ve Yüksek Enlem</source>
        <translation>تعديلات الدقائق الخاصة وخطوط العرض العليا</translation>
    </message>
    <message>
        <source>İmsak</source>
        <translation>الإمساك</translation>
    </message>
    <message>
        <source>Güneş</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>Öğle</source>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>İkindi</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>Akşam</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>Yüksek enlem kuralı</source>
        <translation>قاعدة خطوط العرض العليا</translation>
    </message>
    <message>
        <source>Güneşin alacakaranlık açısına inmediği yerlerde ve günlerde</source>
        <translation>للأماكن والأيام التي لا تنخفض فيها الشمس إلى زاوية الشفق</translation>
    </message>
    <message>
        <source>En yakın alacakaranlıklı gün</source>
        <translation>أقرب يوم فيه شفق</translation>
    </message>
    <message>
        <source>Gecenin yarısı</source>
        <translation>منتصف الليل</translation>
    </message>
    <message>
        <source>Gecenin yedide biri</source>
        <translation>سُبع الليل</translation>
    </message>
    <message>
        <source>Açıya göre (açı / 60 gece)</source>
        <translation>حسب الزاوية (الزاوية / 60 من الليل)</translation>
    </message>
    <message>
        <source>Hicri Takvim</source>
        <translation>التقويم الهجري</translation>
    </message>
    <message>
        <source>Hicri tarih düzeltmesi (gün)</source>
        <translation>تصحيح التاريخ الهجري (بالأيام)</translation>
    </message>
    <message>
        <source>Hicri tarihi ülkenizdeki hilal gözlemine uydurur</source>
        <translation>يطابق التاريخ الهجري مع رؤية الهلال في بلدك</translation>
    </message>
    <message>
        <source>Vakitten Önce Hatırlat (dakika)</source>
        <translation>التذكير قبل دخول الوقت (بالدقائق)</translation>
    </message>
    <message>
        <source>Kapalı</source>
        <translation>معطّل</translation>
    </message>
    <message>
        <source>Sabah</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>Hatırlatırken kısa bir ses çal</source>
        <translation>تشغيل صوت قصير عند التذكير</translation>
    </message>
    <message>
        <source>Oturum açılınca başlat</source>
        <translation>التشغيل عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>Vakitte ve hatırlatmada göster:</source>
        <translation>عند الوقت والتذكير اعرض:</translation>
    </message>
    <message>
        <source>Kayan pencere</source>
        <translation>نافذة منزلقة</translation>
    </message>
    <message>
        <source>Masaüstü bildirimi</source>
        <translation>إشعار سطح المكتب</translation>
    </message>
    <message>
        <source>Kayan pencere ve masaüstü bildirimi</source>
        <translation>نافذة منزلقة وإشعار سطح المكتب</translation>
    </message>
    <message>
        <source>Takvim</source>
        <translation>التقويم</translation>
    </message>
    <message>
        <source>Hicri tarihin ve dini günlerin hangi takvime göre gösterileceği</source>
        <translation>التقويم الذي يُعرض به التاريخ الهجري والأيام الدينية</translation>
    </message>
</context>
</TS>
