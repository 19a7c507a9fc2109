<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_ME">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>تحديث البرنامج</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>جارٍ تنزيل ملفات التثبيت.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>البرنامج قيد التشغيل بالفعل</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>برنامج Cartaline قيد التشغيل بالفعل.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>فشل تحديث البرنامج</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>الشبكة غير متصلة. 
لا يمكن متابعة التحديث.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>يُرجى التحقق من الشبكة (بما في ذلك كابل الشبكة والموجّه) وجدار الحماية وإعدادات برنامج مكافحة الفيروسات، ثم إعادة المحاولة.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>فشل تحديث البرنامج</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>تعذّر العثور على ملف التحديث.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>يُرجى إعادة المحاولة لاحقًا.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>إذا استمرت المشكلة، يُرجى الاتصال بخدمة العملاء.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>زيارة موقع خدمة العملاء على الويب</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>إيقاف التحديث</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>هل تريد إيقاف التحديث الآن؟</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>إذا أوقفت التحديث، فسيتم إغلاق برنامج Cartaline تلقائيًا.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>فشل تحديث البرنامج</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>تعذّر تحديث برنامج Cartaline.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>هل تريد إعادة المحاولة؟</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>برنامج Cartaline جاهز للتحديث.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>للسماح بهذا التغيير، يُرجى كتابة كلمة المرور.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>اسم المستخدم</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>فشل تحديث البرنامج</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>الشبكة غير متصلة. 
لا يمكن متابعة التحديث.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>يُرجى التحقق من الشبكة (بما في ذلك كابل الشبكة والموجّه) وجدار الحماية 
وإعدادات برنامج مكافحة الفيروسات، ثم إعادة المحاولة.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>فشل تحديث البرنامج</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>تعذّر تحديث البرنامج.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>يُرجى إعادة المحاولة لاحقًا.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>إذا استمرت المشكلة، يُرجى الاتصال بخدمة العملاء.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>زيارة موقع خدمة العملاء على الويب</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>موافق</translation>
    </message>
</context>
</TS>
