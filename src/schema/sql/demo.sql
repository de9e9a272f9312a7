-- Demonstration data: the catalogue of a check-up centre, two units with
-- their staff and a few users of different departments. Loaded on request into
-- a database that holds only its first rows; names are looked up, never ids.
-- All users added here log in with an empty password.

-- Dictionaries.
INSERT INTO [dbo].[tjian_rylbie] ([mcheng], [pyjma], [xhao]) VALUES (N'在职职工', N'ZZZG', 1);
INSERT INTO [dbo].[tjian_rylbie] ([mcheng], [pyjma], [xhao]) VALUES (N'退休职工', N'TXZG', 2);
INSERT INTO [dbo].[tjian_rylbie] ([mcheng], [pyjma], [xhao]) VALUES (N'个人客户', N'GRKH', 3);
INSERT INTO [dbo].[tjian_rylbie] ([mcheng], [pyjma], [xhao]) VALUES (N'学生', N'XS', 4);
GO

INSERT INTO [dbo].[tjian_tjlbie] ([mcheng], [pyjma], [xhao]) VALUES (N'健康体检', N'JKTJ', 1);
INSERT INTO [dbo].[tjian_tjlbie] ([mcheng], [pyjma], [xhao]) VALUES (N'入职体检', N'RZTJ', 2);
INSERT INTO [dbo].[tjian_tjlbie] ([mcheng], [pyjma], [xhao]) VALUES (N'从业人员体检', N'CYRYTJ', 3);
INSERT INTO [dbo].[tjian_tjlbie] ([mcheng], [pyjma], [xhao]) VALUES (N'学生体检', N'XSTJ', 4);
INSERT INTO [dbo].[tjian_tjlbie] ([mcheng], [pyjma], [xhao]) VALUES (N'复查', N'FC', 5);
GO

INSERT INTO [dbo].[tjian_tjfqu] ([mcheng], [pyjma], [xhao]) VALUES (N'一区（一楼）', N'YQ(YL)', 1);
INSERT INTO [dbo].[tjian_tjfqu] ([mcheng], [pyjma], [xhao]) VALUES (N'二区（二楼）', N'EQ(EL)', 2);
INSERT INTO [dbo].[tjian_tjfqu] ([mcheng], [pyjma], [xhao]) VALUES (N'贵宾区', N'GBQ', 3);
GO

INSERT INTO [dbo].[tjian_jblbie] ([mcheng], [pyjma], [xhao]) VALUES (N'心血管疾病', N'XXGJB', 1);
INSERT INTO [dbo].[tjian_jblbie] ([mcheng], [pyjma], [xhao]) VALUES (N'内分泌及代谢疾病', N'NFMJDXJB', 2);
INSERT INTO [dbo].[tjian_jblbie] ([mcheng], [pyjma], [xhao]) VALUES (N'消化系统疾病', N'XHXTJB', 3);
INSERT INTO [dbo].[tjian_jblbie] ([mcheng], [pyjma], [xhao]) VALUES (N'呼吸系统疾病', N'HXXTJB', 4);
INSERT INTO [dbo].[tjian_jblbie] ([mcheng], [pyjma], [xhao]) VALUES (N'泌尿生殖系统疾病', N'MNSZXTJB', 5);
INSERT INTO [dbo].[tjian_jblbie] ([mcheng], [pyjma], [xhao]) VALUES (N'血液系统疾病', N'XYXTJB', 6);
INSERT INTO [dbo].[tjian_jblbie] ([mcheng], [pyjma], [xhao]) VALUES (N'五官科疾病', N'WGKJB', 7);
INSERT INTO [dbo].[tjian_jblbie] ([mcheng], [pyjma], [xhao]) VALUES (N'妇科疾病', N'FKJB', 8);
INSERT INTO [dbo].[tjian_jblbie] ([mcheng], [pyjma], [xhao]) VALUES (N'其他', N'QT', 9);
GO

INSERT INTO [dbo].[tjian_zcjguo] ([mcheng], [pyjma], [xhao]) VALUES (N'未见异常', N'WJYC', 1);
INSERT INTO [dbo].[tjian_zcjguo] ([mcheng], [pyjma], [xhao]) VALUES (N'未见明显异常', N'WJMXYC', 2);
INSERT INTO [dbo].[tjian_zcjguo] ([mcheng], [pyjma], [xhao]) VALUES (N'正常', N'ZC', 3);
INSERT INTO [dbo].[tjian_zcjguo] ([mcheng], [pyjma], [xhao]) VALUES (N'阴性(-)', N'YX(-)', 4);
INSERT INTO [dbo].[tjian_zcjguo] ([mcheng], [pyjma], [xhao]) VALUES (N'未触及', N'WCJ', 5);
INSERT INTO [dbo].[tjian_zcjguo] ([mcheng], [pyjma], [xhao]) VALUES (N'无', N'W', 6);
GO

INSERT INTO [dbo].[tjian_dwxzhi] ([mcheng], [pyjma], [xhao]) VALUES (N'机关事业单位', N'JGSYDW', 1);
INSERT INTO [dbo].[tjian_dwxzhi] ([mcheng], [pyjma], [xhao]) VALUES (N'国有企业', N'GYQY', 2);
INSERT INTO [dbo].[tjian_dwxzhi] ([mcheng], [pyjma], [xhao]) VALUES (N'民营企业', N'MYQY', 3);
INSERT INTO [dbo].[tjian_dwxzhi] ([mcheng], [pyjma], [xhao]) VALUES (N'外资企业', N'WZQY', 4);
INSERT INTO [dbo].[tjian_dwxzhi] ([mcheng], [pyjma], [xhao]) VALUES (N'学校', N'XX', 5);
GO

INSERT INTO [dbo].[tjian_dwlbie] ([mcheng], [pyjma], [xhao]) VALUES (N'协议单位', N'XYDW', 1);
INSERT INTO [dbo].[tjian_dwlbie] ([mcheng], [pyjma], [xhao]) VALUES (N'普通单位', N'PTDW', 2);
INSERT INTO [dbo].[tjian_dwlbie] ([mcheng], [pyjma], [xhao]) VALUES (N'重点客户', N'ZDKH', 3);
GO

INSERT INTO [dbo].[tjian_fbie] ([mcheng], [xhao], [mshu]) VALUES (N'检查费', 1, N'物理检查及专科检查');
INSERT INTO [dbo].[tjian_fbie] ([mcheng], [xhao], [mshu]) VALUES (N'化验费', 2, N'检验科各项化验');
INSERT INTO [dbo].[tjian_fbie] ([mcheng], [xhao], [mshu]) VALUES (N'放射费', 3, N'放射科影像检查');
INSERT INTO [dbo].[tjian_fbie] ([mcheng], [xhao], [mshu]) VALUES (N'超声费', 4, N'B超室超声检查');
INSERT INTO [dbo].[tjian_fbie] ([mcheng], [xhao], [mshu]) VALUES (N'心电费', 5, N'心电图检查');
GO

INSERT INTO [dbo].[tjian_zhxmu_lbie] ([mcheng], [xhao], [mshu]) VALUES (N'临床检查', 1, N'各科室物理检查');
INSERT INTO [dbo].[tjian_zhxmu_lbie] ([mcheng], [xhao], [mshu]) VALUES (N'血液检验', 2, N'抽取静脉血，空腹');
INSERT INTO [dbo].[tjian_zhxmu_lbie] ([mcheng], [xhao], [mshu]) VALUES (N'生化检验', 3, N'抽取静脉血，空腹8小时以上');
INSERT INTO [dbo].[tjian_zhxmu_lbie] ([mcheng], [xhao], [mshu]) VALUES (N'尿液检验', 4, N'留取中段晨尿');
INSERT INTO [dbo].[tjian_zhxmu_lbie] ([mcheng], [xhao], [mshu]) VALUES (N'影像检查', 5, N'放射及超声检查');
INSERT INTO [dbo].[tjian_zhxmu_lbie] ([mcheng], [xhao], [mshu]) VALUES (N'心电检查', 6, N'静息心电图');
GO

-- Departments (categories 11 clinical, 12 laboratory and imaging, 13 business).
INSERT INTO [dbo].[pub_kshi] ([mcheng], [pyjma], [kslbie], [xhao], [wzhi]) VALUES (N'一般检查', N'YBJC', 11, 2, N'一楼1号诊室');
INSERT INTO [dbo].[pub_kshi] ([mcheng], [pyjma], [kslbie], [xhao], [wzhi]) VALUES (N'内科', N'NK', 11, 3, N'二楼201室');
INSERT INTO [dbo].[pub_kshi] ([mcheng], [pyjma], [kslbie], [xhao], [wzhi]) VALUES (N'外科', N'WK', 11, 4, N'二楼202室');
INSERT INTO [dbo].[pub_kshi] ([mcheng], [pyjma], [kslbie], [xhao], [wzhi]) VALUES (N'眼科', N'YK', 11, 5, N'二楼203室');
INSERT INTO [dbo].[pub_kshi] ([mcheng], [pyjma], [kslbie], [xhao], [wzhi]) VALUES (N'耳鼻喉科', N'EBHK', 11, 6, N'二楼204室');
INSERT INTO [dbo].[pub_kshi] ([mcheng], [pyjma], [kslbie], [xhao], [wzhi]) VALUES (N'口腔科', N'KQK', 11, 7, N'二楼205室');
INSERT INTO [dbo].[pub_kshi] ([mcheng], [pyjma], [kslbie], [xhao], [wzhi]) VALUES (N'妇科', N'FK', 11, 8, N'二楼206室');
INSERT INTO [dbo].[pub_kshi] ([mcheng], [pyjma], [kslbie], [xhao], [wzhi]) VALUES (N'检验科', N'JYK', 12, 9, N'一楼采血处');
INSERT INTO [dbo].[pub_kshi] ([mcheng], [pyjma], [kslbie], [xhao], [wzhi]) VALUES (N'心电图室', N'XDTS', 12, 10, N'三楼301室');
INSERT INTO [dbo].[pub_kshi] ([mcheng], [pyjma], [kslbie], [xhao], [wzhi]) VALUES (N'B超室', N'BCS', 12, 11, N'三楼302室');
INSERT INTO [dbo].[pub_kshi] ([mcheng], [pyjma], [kslbie], [xhao], [wzhi]) VALUES (N'放射科', N'FSK', 12, 12, N'一楼放射科');
INSERT INTO [dbo].[pub_kshi] ([mcheng], [pyjma], [kslbie], [xhao], [wzhi]) VALUES (N'客户服务部', N'KHFWB', 13, 13, N'一楼服务台');
GO

-- Examination items: units, reference limits (men, women), tips, normal results.
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'身高', N'SG', N'HT', N'不限', 1, N'cm', NULL, NULL, NULL, NULL, NULL, NULL, 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'一般检查';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'体重', N'TZ', N'WT', N'不限', 2, N'kg', NULL, NULL, NULL, NULL, NULL, NULL, 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'一般检查';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'收缩压', N'SSY', N'SBP', N'不限', 3, N'mmHg', N'90', N'139', N'90', N'139', N'偏低', N'偏高', 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'一般检查';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'舒张压', N'SZY', N'DBP', N'不限', 4, N'mmHg', N'60', N'89', N'60', N'89', N'偏低', N'偏高', 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'一般检查';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'脉搏', N'MB', N'PR', N'不限', 5, N'次/分', N'60', N'100', N'60', N'100', N'偏慢', N'偏快', 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'一般检查';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'心率', N'XL', N'HR', N'不限', 1, N'次/分', N'60', N'100', N'60', N'100', N'偏慢', N'偏快', 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'内科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'心脏听诊', N'XZTZ', N'', N'不限', 2, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'内科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'肺部听诊', N'FBTZ', N'', N'不限', 3, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'内科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'肝脏触诊', N'GZCZ', N'', N'不限', 4, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未触及' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'内科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'脾脏触诊', N'PZCZ', N'', N'不限', 5, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未触及' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'内科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'神经系统', N'SJXT', N'', N'不限', 6, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'内科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'皮肤', N'PF', N'', N'不限', 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'外科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'浅表淋巴结', N'QBLBJ', N'', N'不限', 2, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未触及肿大' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'外科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'甲状腺', N'JZX', N'', N'不限', 3, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'外科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'乳腺', N'RX', N'', N'女', 4, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'外科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'脊柱', N'JZ', N'', N'不限', 5, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'外科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'四肢关节', N'SZGJ', N'', N'不限', 6, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'外科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'肛门指诊', N'GMZZ', N'', N'不限', 7, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'外科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'左眼视力', N'ZYSL', N'VOS', N'不限', 1, NULL, N'4.9', N'5.3', N'4.9', N'5.3', N'偏低', NULL, 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'眼科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'右眼视力', N'YYSL', N'VOD', N'不限', 2, NULL, N'4.9', N'5.3', N'4.9', N'5.3', N'偏低', NULL, 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'眼科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'色觉', N'SJ', N'', N'不限', 3, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'正常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'眼科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'外眼', N'WY', N'', N'不限', 4, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'眼科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'眼底', N'YD', N'', N'不限', 5, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'眼科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'听力', N'TL', N'', N'不限', 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'正常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'耳鼻喉科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'外耳道', N'WED', N'', N'不限', 2, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'耳鼻喉科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'鼻腔', N'BQ', N'', N'不限', 3, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'耳鼻喉科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'咽喉', N'YH', N'', N'不限', 4, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'耳鼻喉科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'牙齿', N'YC', N'', N'不限', 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'口腔科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'牙周', N'YZ', N'', N'不限', 2, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'口腔科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'口腔黏膜', N'KQNM', N'', N'不限', 3, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'口腔科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'外阴', N'WY', N'', N'女', 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'妇科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'阴道', N'YD', N'', N'女', 2, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'通畅，分泌物正常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'妇科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'宫颈', N'GJ', N'', N'女', 3, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'光滑' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'妇科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'子宫', N'ZG', N'', N'女', 4, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'前位，大小正常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'妇科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'附件', N'FJ', N'', N'女', 5, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未触及异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'妇科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'白细胞计数', N'BXBJS', N'WBC', N'不限', 1, N'×10^9/L', N'3.5', N'9.5', N'3.5', N'9.5', N'偏低', N'偏高', 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'红细胞计数', N'HXBJS', N'RBC', N'不限', 2, N'×10^12/L', N'4.3', N'5.8', N'3.8', N'5.1', N'偏低', N'偏高', 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'血红蛋白', N'XHDB', N'HGB', N'不限', 3, N'g/L', N'130', N'175', N'115', N'150', N'偏低', N'偏高', 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'血小板计数', N'XXBJS', N'PLT', N'不限', 4, N'×10^9/L', N'125', N'350', N'125', N'350', N'偏低', N'偏高', 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'谷丙转氨酶', N'GBZAM', N'ALT', N'不限', 5, N'U/L', N'9', N'50', N'7', N'40', N'偏低', N'偏高', 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'谷草转氨酶', N'GCZAM', N'AST', N'不限', 6, N'U/L', N'15', N'40', N'13', N'35', N'偏低', N'偏高', 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'总胆红素', N'ZDHS', N'TBIL', N'不限', 7, N'μmol/L', N'3.4', N'20.5', N'3.4', N'20.5', N'偏低', N'偏高', 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'尿素', N'NS', N'UREA', N'不限', 8, N'mmol/L', N'2.9', N'8.2', N'2.9', N'8.2', N'偏低', N'偏高', 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'肌酐', N'JG', N'CREA', N'不限', 9, N'μmol/L', N'57', N'111', N'41', N'81', N'偏低', N'偏高', 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'尿酸', N'NS', N'UA', N'不限', 10, N'μmol/L', N'208', N'428', N'155', N'357', N'偏低', N'偏高', 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'总胆固醇', N'ZDGC', N'TC', N'不限', 11, N'mmol/L', NULL, N'5.18', NULL, N'5.18', NULL, N'偏高', 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'甘油三酯', N'GYSZ', N'TG', N'不限', 12, N'mmol/L', NULL, N'1.70', NULL, N'1.70', NULL, N'偏高', 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'高密度脂蛋白胆固醇', N'GMDZDBDGC', N'HDL-C', N'不限', 13, N'mmol/L', N'1.04', NULL, N'1.04', NULL, N'偏低', NULL, 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'低密度脂蛋白胆固醇', N'DMDZDBDGC', N'LDL-C', N'不限', 14, N'mmol/L', NULL, N'3.37', NULL, N'3.37', NULL, N'偏高', 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'空腹血糖', N'KFXT', N'GLU', N'不限', 15, N'mmol/L', N'3.9', N'6.1', N'3.9', N'6.1', N'偏低', N'偏高', 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'尿蛋白', N'NDB', N'PRO', N'不限', 16, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'阴性(-)' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'尿糖', N'NT', N'U-GLU', N'不限', 17, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'阴性(-)' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'尿潜血', N'NQX', N'BLD', N'不限', 18, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'阴性(-)' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'尿比重', N'NBZ', N'SG', N'不限', 19, NULL, N'1.003', N'1.030', N'1.003', N'1.030', N'偏低', N'偏高', 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'尿酸碱度', N'NSJD', N'PH', N'不限', 20, NULL, N'4.5', N'8.0', N'4.5', N'8.0', N'偏低', N'偏高', 1, NULL FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'心电图', N'XDT', N'ECG', N'不限', 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'窦性心律，正常心电图' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'心电图室';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'肝脏', N'GZ', N'', N'不限', 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'肝脏大小形态正常，实质回声均匀' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'B超室';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'胆囊', N'DN', N'', N'不限', 2, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见明显异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'B超室';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'胰腺', N'YX', N'', N'不限', 3, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见明显异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'B超室';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'脾脏', N'PZ', N'', N'不限', 4, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见明显异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'B超室';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'双肾', N'SS', N'', N'不限', 5, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见明显异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'B超室';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'前列腺', N'QLX', N'', N'男', 6, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见明显异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'B超室';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'子宫附件', N'ZGFJ', N'', N'女', 7, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'未见明显异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'B超室';
INSERT INTO [dbo].[tjian_xmu] ([ksid], [mcheng], [pyjma], [ywdma], [syxbie], [xhao], [dwei], [ckxxian1], [cksxian1], [ckxxian2], [cksxian2], [xxtshi], [sxtshi], [szjgbzhi], [zcjguo])
SELECT [id], N'胸部正位片', N'XBZWP', N'DR', N'不限', 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, N'双肺纹理清晰，心膈未见异常' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'放射科';
GO

-- Combined items with their prices; then one membership row for every item of the
-- combined item's department, selected only for its members.
INSERT INTO [dbo].[tjian_zhxmu_main] ([ksid], [mcheng], [pyjma], [xhao], [sfjge], [hsjge], [lbie], [fbie], [tsxxi], [lcyyi], [sfxybben])
SELECT [id], N'一般检查', N'YBJC', 1, 10.00, 5.00, N'临床检查', N'检查费', N'请脱鞋测量身高体重', N'了解体格发育、营养状况及血压水平', N'否' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'一般检查';
INSERT INTO [dbo].[tjian_zhxmu_main] ([ksid], [mcheng], [pyjma], [xhao], [sfjge], [hsjge], [lbie], [fbie], [tsxxi], [lcyyi], [sfxybben])
SELECT [id], N'内科检查', N'NKJC', 1, 15.00, 8.00, N'临床检查', N'检查费', N'', N'检查心、肺、腹部脏器及神经系统', N'否' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'内科';
INSERT INTO [dbo].[tjian_zhxmu_main] ([ksid], [mcheng], [pyjma], [xhao], [sfjge], [hsjge], [lbie], [fbie], [tsxxi], [lcyyi], [sfxybben])
SELECT [id], N'外科检查', N'WKJC', 1, 15.00, 8.00, N'临床检查', N'检查费', N'', N'检查皮肤、淋巴结、甲状腺、乳腺、脊柱四肢', N'否' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'外科';
INSERT INTO [dbo].[tjian_zhxmu_main] ([ksid], [mcheng], [pyjma], [xhao], [sfjge], [hsjge], [lbie], [fbie], [tsxxi], [lcyyi], [sfxybben])
SELECT [id], N'肛门指诊', N'GMZZ', 2, 10.00, 5.00, N'临床检查', N'检查费', N'检查前请排空大便', N'筛查痔疮、直肠肿物及前列腺病变', N'否' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'外科';
INSERT INTO [dbo].[tjian_zhxmu_main] ([ksid], [mcheng], [pyjma], [xhao], [sfjge], [hsjge], [lbie], [fbie], [tsxxi], [lcyyi], [sfxybben])
SELECT [id], N'眼科常规', N'YKCG', 1, 10.00, 5.00, N'临床检查', N'检查费', N'戴眼镜者请携带眼镜', N'检查视力、色觉及外眼', N'否' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'眼科';
INSERT INTO [dbo].[tjian_zhxmu_main] ([ksid], [mcheng], [pyjma], [xhao], [sfjge], [hsjge], [lbie], [fbie], [tsxxi], [lcyyi], [sfxybben])
SELECT [id], N'眼底检查', N'YDJC', 2, 20.00, 10.00, N'临床检查', N'检查费', N'', N'筛查高血压、糖尿病引起的眼底改变', N'否' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'眼科';
INSERT INTO [dbo].[tjian_zhxmu_main] ([ksid], [mcheng], [pyjma], [xhao], [sfjge], [hsjge], [lbie], [fbie], [tsxxi], [lcyyi], [sfxybben])
SELECT [id], N'耳鼻喉科检查', N'EBHKJC', 1, 10.00, 5.00, N'临床检查', N'检查费', N'', N'检查听力及耳、鼻、咽喉', N'否' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'耳鼻喉科';
INSERT INTO [dbo].[tjian_zhxmu_main] ([ksid], [mcheng], [pyjma], [xhao], [sfjge], [hsjge], [lbie], [fbie], [tsxxi], [lcyyi], [sfxybben])
SELECT [id], N'口腔科检查', N'KQKJC', 1, 10.00, 5.00, N'临床检查', N'检查费', N'', N'检查牙齿、牙周及口腔黏膜', N'否' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'口腔科';
INSERT INTO [dbo].[tjian_zhxmu_main] ([ksid], [mcheng], [pyjma], [xhao], [sfjge], [hsjge], [lbie], [fbie], [tsxxi], [lcyyi], [sfxybben])
SELECT [id], N'妇科检查', N'FKJC', 1, 40.00, 20.00, N'临床检查', N'检查费', N'未婚女性不做；经期请勿检查；检查前排空小便', N'筛查生殖系统炎症及肿瘤', N'否' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'妇科';
INSERT INTO [dbo].[tjian_zhxmu_main] ([ksid], [mcheng], [pyjma], [xhao], [sfjge], [hsjge], [lbie], [fbie], [tsxxi], [lcyyi], [sfxybben])
SELECT [id], N'血常规', N'XCG', 1, 20.00, 10.00, N'血液检验', N'化验费', N'空腹采血', N'了解有无贫血、感染及血液系统疾病', N'是' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_zhxmu_main] ([ksid], [mcheng], [pyjma], [xhao], [sfjge], [hsjge], [lbie], [fbie], [tsxxi], [lcyyi], [sfxybben])
SELECT [id], N'肝功能', N'GGN', 2, 45.00, 22.00, N'生化检验', N'化验费', N'空腹8小时以上采血', N'反映肝细胞损伤及胆红素代谢', N'是' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_zhxmu_main] ([ksid], [mcheng], [pyjma], [xhao], [sfjge], [hsjge], [lbie], [fbie], [tsxxi], [lcyyi], [sfxybben])
SELECT [id], N'肾功能', N'SGN', 3, 30.00, 15.00, N'生化检验', N'化验费', N'空腹8小时以上采血', N'反映肾脏排泄功能，尿酸升高提示痛风风险', N'是' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_zhxmu_main] ([ksid], [mcheng], [pyjma], [xhao], [sfjge], [hsjge], [lbie], [fbie], [tsxxi], [lcyyi], [sfxybben])
SELECT [id], N'血脂四项', N'XZSX', 4, 40.00, 20.00, N'生化检验', N'化验费', N'空腹12小时采血，前一天清淡饮食', N'评估动脉粥样硬化及心脑血管疾病风险', N'是' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_zhxmu_main] ([ksid], [mcheng], [pyjma], [xhao], [sfjge], [hsjge], [lbie], [fbie], [tsxxi], [lcyyi], [sfxybben])
SELECT [id], N'空腹血糖', N'KFXT', 5, 8.00, 4.00, N'生化检验', N'化验费', N'空腹8小时以上采血', N'筛查糖尿病及糖耐量异常', N'是' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_zhxmu_main] ([ksid], [mcheng], [pyjma], [xhao], [sfjge], [hsjge], [lbie], [fbie], [tsxxi], [lcyyi], [sfxybben])
SELECT [id], N'尿常规', N'NCG', 6, 10.00, 5.00, N'尿液检验', N'化验费', N'留取中段晨尿', N'筛查泌尿系统疾病及糖尿病', N'是' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_zhxmu_main] ([ksid], [mcheng], [pyjma], [xhao], [sfjge], [hsjge], [lbie], [fbie], [tsxxi], [lcyyi], [sfxybben])
SELECT [id], N'心电图', N'XDT', 1, 25.00, 12.00, N'心电检查', N'心电费', N'检查前安静休息5分钟', N'发现心律失常、心肌缺血等心脏疾病', N'否' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'心电图室';
INSERT INTO [dbo].[tjian_zhxmu_main] ([ksid], [mcheng], [pyjma], [xhao], [sfjge], [hsjge], [lbie], [fbie], [tsxxi], [lcyyi], [sfxybben])
SELECT [id], N'腹部B超', N'FBBC', 1, 80.00, 40.00, N'影像检查', N'超声费', N'空腹', N'检查肝、胆、胰、脾、双肾', N'否' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'B超室';
INSERT INTO [dbo].[tjian_zhxmu_main] ([ksid], [mcheng], [pyjma], [xhao], [sfjge], [hsjge], [lbie], [fbie], [tsxxi], [lcyyi], [sfxybben])
SELECT [id], N'前列腺B超', N'QLXBC', 2, 40.00, 20.00, N'影像检查', N'超声费', N'检查前请憋尿', N'筛查前列腺增生及结节', N'否' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'B超室';
INSERT INTO [dbo].[tjian_zhxmu_main] ([ksid], [mcheng], [pyjma], [xhao], [sfjge], [hsjge], [lbie], [fbie], [tsxxi], [lcyyi], [sfxybben])
SELECT [id], N'子宫附件B超', N'ZGFJBC', 3, 50.00, 25.00, N'影像检查', N'超声费', N'检查前请憋尿', N'筛查子宫肌瘤、卵巢囊肿等', N'否' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'B超室';
INSERT INTO [dbo].[tjian_zhxmu_main] ([ksid], [mcheng], [pyjma], [xhao], [sfjge], [hsjge], [lbie], [fbie], [tsxxi], [lcyyi], [sfxybben])
SELECT [id], N'胸部DR', N'XBDR', 1, 60.00, 30.00, N'影像检查', N'放射费', N'孕妇及备孕者请勿检查；请取下金属饰物', N'检查肺部、心脏及纵隔病变', N'否' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'放射科';
GO

INSERT INTO [dbo].[tjian_zhxmu_sub] ([zhxmid], [xmid], [bzhi])
SELECT z.[id], x.[id], 0 FROM [dbo].[tjian_zhxmu_main] z INNER JOIN [dbo].[tjian_xmu] x ON x.[ksid] = z.[ksid];
GO

UPDATE [dbo].[tjian_zhxmu_sub] SET [bzhi] = 1
 WHERE [zhxmid] = (SELECT [id] FROM [dbo].[tjian_zhxmu_main] WHERE [mcheng] = N'一般检查')
   AND [xmid] IN (SELECT x.[id] FROM [dbo].[tjian_xmu] x INNER JOIN [dbo].[pub_kshi] k ON k.[id] = x.[ksid] WHERE k.[mcheng] = N'一般检查' AND x.[mcheng] IN (N'身高', N'体重', N'收缩压', N'舒张压', N'脉搏'));
UPDATE [dbo].[tjian_zhxmu_sub] SET [bzhi] = 1
 WHERE [zhxmid] = (SELECT [id] FROM [dbo].[tjian_zhxmu_main] WHERE [mcheng] = N'内科检查')
   AND [xmid] IN (SELECT x.[id] FROM [dbo].[tjian_xmu] x INNER JOIN [dbo].[pub_kshi] k ON k.[id] = x.[ksid] WHERE k.[mcheng] = N'内科' AND x.[mcheng] IN (N'心率', N'心脏听诊', N'肺部听诊', N'肝脏触诊', N'脾脏触诊', N'神经系统'));
UPDATE [dbo].[tjian_zhxmu_sub] SET [bzhi] = 1
 WHERE [zhxmid] = (SELECT [id] FROM [dbo].[tjian_zhxmu_main] WHERE [mcheng] = N'外科检查')
   AND [xmid] IN (SELECT x.[id] FROM [dbo].[tjian_xmu] x INNER JOIN [dbo].[pub_kshi] k ON k.[id] = x.[ksid] WHERE k.[mcheng] = N'外科' AND x.[mcheng] IN (N'皮肤', N'浅表淋巴结', N'甲状腺', N'乳腺', N'脊柱', N'四肢关节'));
UPDATE [dbo].[tjian_zhxmu_sub] SET [bzhi] = 1
 WHERE [zhxmid] = (SELECT [id] FROM [dbo].[tjian_zhxmu_main] WHERE [mcheng] = N'肛门指诊')
   AND [xmid] IN (SELECT x.[id] FROM [dbo].[tjian_xmu] x INNER JOIN [dbo].[pub_kshi] k ON k.[id] = x.[ksid] WHERE k.[mcheng] = N'外科' AND x.[mcheng] IN (N'肛门指诊'));
UPDATE [dbo].[tjian_zhxmu_sub] SET [bzhi] = 1
 WHERE [zhxmid] = (SELECT [id] FROM [dbo].[tjian_zhxmu_main] WHERE [mcheng] = N'眼科常规')
   AND [xmid] IN (SELECT x.[id] FROM [dbo].[tjian_xmu] x INNER JOIN [dbo].[pub_kshi] k ON k.[id] = x.[ksid] WHERE k.[mcheng] = N'眼科' AND x.[mcheng] IN (N'左眼视力', N'右眼视力', N'色觉', N'外眼'));
UPDATE [dbo].[tjian_zhxmu_sub] SET [bzhi] = 1
 WHERE [zhxmid] = (SELECT [id] FROM [dbo].[tjian_zhxmu_main] WHERE [mcheng] = N'眼底检查')
   AND [xmid] IN (SELECT x.[id] FROM [dbo].[tjian_xmu] x INNER JOIN [dbo].[pub_kshi] k ON k.[id] = x.[ksid] WHERE k.[mcheng] = N'眼科' AND x.[mcheng] IN (N'眼底'));
UPDATE [dbo].[tjian_zhxmu_sub] SET [bzhi] = 1
 WHERE [zhxmid] = (SELECT [id] FROM [dbo].[tjian_zhxmu_main] WHERE [mcheng] = N'耳鼻喉科检查')
   AND [xmid] IN (SELECT x.[id] FROM [dbo].[tjian_xmu] x INNER JOIN [dbo].[pub_kshi] k ON k.[id] = x.[ksid] WHERE k.[mcheng] = N'耳鼻喉科' AND x.[mcheng] IN (N'听力', N'外耳道', N'鼻腔', N'咽喉'));
UPDATE [dbo].[tjian_zhxmu_sub] SET [bzhi] = 1
 WHERE [zhxmid] = (SELECT [id] FROM [dbo].[tjian_zhxmu_main] WHERE [mcheng] = N'口腔科检查')
   AND [xmid] IN (SELECT x.[id] FROM [dbo].[tjian_xmu] x INNER JOIN [dbo].[pub_kshi] k ON k.[id] = x.[ksid] WHERE k.[mcheng] = N'口腔科' AND x.[mcheng] IN (N'牙齿', N'牙周', N'口腔黏膜'));
UPDATE [dbo].[tjian_zhxmu_sub] SET [bzhi] = 1
 WHERE [zhxmid] = (SELECT [id] FROM [dbo].[tjian_zhxmu_main] WHERE [mcheng] = N'妇科检查')
   AND [xmid] IN (SELECT x.[id] FROM [dbo].[tjian_xmu] x INNER JOIN [dbo].[pub_kshi] k ON k.[id] = x.[ksid] WHERE k.[mcheng] = N'妇科' AND x.[mcheng] IN (N'外阴', N'阴道', N'宫颈', N'子宫', N'附件'));
UPDATE [dbo].[tjian_zhxmu_sub] SET [bzhi] = 1
 WHERE [zhxmid] = (SELECT [id] FROM [dbo].[tjian_zhxmu_main] WHERE [mcheng] = N'血常规')
   AND [xmid] IN (SELECT x.[id] FROM [dbo].[tjian_xmu] x INNER JOIN [dbo].[pub_kshi] k ON k.[id] = x.[ksid] WHERE k.[mcheng] = N'检验科' AND x.[mcheng] IN (N'白细胞计数', N'红细胞计数', N'血红蛋白', N'血小板计数'));
UPDATE [dbo].[tjian_zhxmu_sub] SET [bzhi] = 1
 WHERE [zhxmid] = (SELECT [id] FROM [dbo].[tjian_zhxmu_main] WHERE [mcheng] = N'肝功能')
   AND [xmid] IN (SELECT x.[id] FROM [dbo].[tjian_xmu] x INNER JOIN [dbo].[pub_kshi] k ON k.[id] = x.[ksid] WHERE k.[mcheng] = N'检验科' AND x.[mcheng] IN (N'谷丙转氨酶', N'谷草转氨酶', N'总胆红素'));
UPDATE [dbo].[tjian_zhxmu_sub] SET [bzhi] = 1
 WHERE [zhxmid] = (SELECT [id] FROM [dbo].[tjian_zhxmu_main] WHERE [mcheng] = N'肾功能')
   AND [xmid] IN (SELECT x.[id] FROM [dbo].[tjian_xmu] x INNER JOIN [dbo].[pub_kshi] k ON k.[id] = x.[ksid] WHERE k.[mcheng] = N'检验科' AND x.[mcheng] IN (N'尿素', N'肌酐', N'尿酸'));
UPDATE [dbo].[tjian_zhxmu_sub] SET [bzhi] = 1
 WHERE [zhxmid] = (SELECT [id] FROM [dbo].[tjian_zhxmu_main] WHERE [mcheng] = N'血脂四项')
   AND [xmid] IN (SELECT x.[id] FROM [dbo].[tjian_xmu] x INNER JOIN [dbo].[pub_kshi] k ON k.[id] = x.[ksid] WHERE k.[mcheng] = N'检验科' AND x.[mcheng] IN (N'总胆固醇', N'甘油三酯', N'高密度脂蛋白胆固醇', N'低密度脂蛋白胆固醇'));
UPDATE [dbo].[tjian_zhxmu_sub] SET [bzhi] = 1
 WHERE [zhxmid] = (SELECT [id] FROM [dbo].[tjian_zhxmu_main] WHERE [mcheng] = N'空腹血糖')
   AND [xmid] IN (SELECT x.[id] FROM [dbo].[tjian_xmu] x INNER JOIN [dbo].[pub_kshi] k ON k.[id] = x.[ksid] WHERE k.[mcheng] = N'检验科' AND x.[mcheng] IN (N'空腹血糖'));
UPDATE [dbo].[tjian_zhxmu_sub] SET [bzhi] = 1
 WHERE [zhxmid] = (SELECT [id] FROM [dbo].[tjian_zhxmu_main] WHERE [mcheng] = N'尿常规')
   AND [xmid] IN (SELECT x.[id] FROM [dbo].[tjian_xmu] x INNER JOIN [dbo].[pub_kshi] k ON k.[id] = x.[ksid] WHERE k.[mcheng] = N'检验科' AND x.[mcheng] IN (N'尿蛋白', N'尿糖', N'尿潜血', N'尿比重', N'尿酸碱度'));
UPDATE [dbo].[tjian_zhxmu_sub] SET [bzhi] = 1
 WHERE [zhxmid] = (SELECT [id] FROM [dbo].[tjian_zhxmu_main] WHERE [mcheng] = N'心电图')
   AND [xmid] IN (SELECT x.[id] FROM [dbo].[tjian_xmu] x INNER JOIN [dbo].[pub_kshi] k ON k.[id] = x.[ksid] WHERE k.[mcheng] = N'心电图室' AND x.[mcheng] IN (N'心电图'));
UPDATE [dbo].[tjian_zhxmu_sub] SET [bzhi] = 1
 WHERE [zhxmid] = (SELECT [id] FROM [dbo].[tjian_zhxmu_main] WHERE [mcheng] = N'腹部B超')
   AND [xmid] IN (SELECT x.[id] FROM [dbo].[tjian_xmu] x INNER JOIN [dbo].[pub_kshi] k ON k.[id] = x.[ksid] WHERE k.[mcheng] = N'B超室' AND x.[mcheng] IN (N'肝脏', N'胆囊', N'胰腺', N'脾脏', N'双肾'));
UPDATE [dbo].[tjian_zhxmu_sub] SET [bzhi] = 1
 WHERE [zhxmid] = (SELECT [id] FROM [dbo].[tjian_zhxmu_main] WHERE [mcheng] = N'前列腺B超')
   AND [xmid] IN (SELECT x.[id] FROM [dbo].[tjian_xmu] x INNER JOIN [dbo].[pub_kshi] k ON k.[id] = x.[ksid] WHERE k.[mcheng] = N'B超室' AND x.[mcheng] IN (N'前列腺'));
UPDATE [dbo].[tjian_zhxmu_sub] SET [bzhi] = 1
 WHERE [zhxmid] = (SELECT [id] FROM [dbo].[tjian_zhxmu_main] WHERE [mcheng] = N'子宫附件B超')
   AND [xmid] IN (SELECT x.[id] FROM [dbo].[tjian_xmu] x INNER JOIN [dbo].[pub_kshi] k ON k.[id] = x.[ksid] WHERE k.[mcheng] = N'B超室' AND x.[mcheng] IN (N'子宫附件'));
UPDATE [dbo].[tjian_zhxmu_sub] SET [bzhi] = 1
 WHERE [zhxmid] = (SELECT [id] FROM [dbo].[tjian_zhxmu_main] WHERE [mcheng] = N'胸部DR')
   AND [xmid] IN (SELECT x.[id] FROM [dbo].[tjian_xmu] x INNER JOIN [dbo].[pub_kshi] k ON k.[id] = x.[ksid] WHERE k.[mcheng] = N'放射科' AND x.[mcheng] IN (N'胸部正位片'));
GO

-- Units: one paying at registration (1), one charged on account (2).
INSERT INTO [dbo].[tjian_dwei] ([mcheng], [pyjma], [xhao], [dzhi], [rshu], [dwlbid], [dwxzid], [fzren], [fzrdhua], [fzrsji], [ksid], [ywyuan], [tjrqapai], [tjfqid], [jzlxing], [bzhu], [maxtjhao])
SELECT N'东方机械制造有限公司', N'DFJXZZYXGS', 1, N'经济开发区工业大道88号', 320, (SELECT [id] FROM [dbo].[tjian_dwlbie] WHERE [mcheng] = N'协议单位'), (SELECT [id] FROM [dbo].[tjian_dwxzhi] WHERE [mcheng] = N'国有企业'), N'刘建国', N'0571-86501234', N'13905710001',
       (SELECT [id] FROM [dbo].[pub_kshi] WHERE [mcheng] = N'客户服务部'), N'周海', N'每年4月至5月，分批体检', (SELECT [id] FROM [dbo].[tjian_tjfqu] WHERE [mcheng] = N'一区（一楼）'), 2, N'年度职工体检，费用月底统一结算', 0;
INSERT INTO [dbo].[tjian_dwei] ([mcheng], [pyjma], [xhao], [dzhi], [rshu], [dwlbid], [dwxzid], [fzren], [fzrdhua], [fzrsji], [ksid], [ywyuan], [tjrqapai], [tjfqid], [jzlxing], [bzhu], [maxtjhao])
SELECT N'华信科技有限公司', N'HXKJYXGS', 2, N'高新区软件园B座12层', 85, (SELECT [id] FROM [dbo].[tjian_dwlbie] WHERE [mcheng] = N'普通单位'), (SELECT [id] FROM [dbo].[tjian_dwxzhi] WHERE [mcheng] = N'民营企业'), N'陈晓燕', N'0571-88765432', N'13857100002',
       (SELECT [id] FROM [dbo].[pub_kshi] WHERE [mcheng] = N'客户服务部'), N'周海', N'入职及年度体检随到随检', (SELECT [id] FROM [dbo].[tjian_tjfqu] WHERE [mcheng] = N'二区（二楼）'), 1, N'体检时现场结账', 0;
GO

-- Packages: general ones (unit 0) and unit packages; the price is below the sum of its items.
INSERT INTO [dbo].[tjian_tcan_main] ([dwid], [mcheng], [pyjma], [jge], [xhao], [syxbie], [bzhi], [bzhu]) SELECT 0, N'入职体检套餐', N'RZTJTC', 150.00, 1, N'不限', N'启用', N'适用于新员工入职';
INSERT INTO [dbo].[tjian_tcan_main] ([dwid], [mcheng], [pyjma], [jge], [xhao], [syxbie], [bzhi], [bzhu]) SELECT 0, N'标准体检套餐（男）', N'BZTJTC(N)', 380.00, 2, N'男', N'启用', N'成年男性年度体检';
INSERT INTO [dbo].[tjian_tcan_main] ([dwid], [mcheng], [pyjma], [jge], [xhao], [syxbie], [bzhi], [bzhu]) SELECT 0, N'标准体检套餐（女）', N'BZTJTC(N)', 420.00, 3, N'女', N'启用', N'成年女性年度体检';
INSERT INTO [dbo].[tjian_tcan_main] ([dwid], [mcheng], [pyjma], [jge], [xhao], [syxbie], [bzhi], [bzhu]) SELECT 0, N'中老年体检套餐', N'ZLNTJTC', 398.00, 4, N'不限', N'禁用', N'已停用，由标准套餐代替';
INSERT INTO [dbo].[tjian_tcan_main] ([dwid], [mcheng], [pyjma], [jge], [xhao], [syxbie], [bzhi], [bzhu]) SELECT (SELECT [id] FROM [dbo].[tjian_dwei] WHERE [mcheng] = N'东方机械制造有限公司'), N'东方机械职工体检套餐', N'DFJXZGTJTC', 180.00, 5, N'不限', N'启用', N'协议价';
INSERT INTO [dbo].[tjian_tcan_main] ([dwid], [mcheng], [pyjma], [jge], [xhao], [syxbie], [bzhi], [bzhu]) SELECT (SELECT [id] FROM [dbo].[tjian_dwei] WHERE [mcheng] = N'华信科技有限公司'), N'华信科技员工套餐（男）', N'HXKJYGTC(N)', 280.00, 6, N'男', N'启用', N'';
INSERT INTO [dbo].[tjian_tcan_main] ([dwid], [mcheng], [pyjma], [jge], [xhao], [syxbie], [bzhi], [bzhu]) SELECT (SELECT [id] FROM [dbo].[tjian_dwei] WHERE [mcheng] = N'华信科技有限公司'), N'华信科技员工套餐（女）', N'HXKJYGTC(N)', 360.00, 7, N'女', N'启用', N'';
GO

INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'入职体检套餐' AND z.[mcheng] = N'一般检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'入职体检套餐' AND z.[mcheng] = N'内科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'入职体检套餐' AND z.[mcheng] = N'外科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'入职体检套餐' AND z.[mcheng] = N'血常规';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'入职体检套餐' AND z.[mcheng] = N'肝功能';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'入职体检套餐' AND z.[mcheng] = N'尿常规';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'入职体检套餐' AND z.[mcheng] = N'胸部DR';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（男）' AND z.[mcheng] = N'一般检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（男）' AND z.[mcheng] = N'内科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（男）' AND z.[mcheng] = N'外科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（男）' AND z.[mcheng] = N'眼科常规';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（男）' AND z.[mcheng] = N'耳鼻喉科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（男）' AND z.[mcheng] = N'口腔科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（男）' AND z.[mcheng] = N'血常规';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（男）' AND z.[mcheng] = N'尿常规';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（男）' AND z.[mcheng] = N'肝功能';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（男）' AND z.[mcheng] = N'肾功能';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（男）' AND z.[mcheng] = N'血脂四项';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（男）' AND z.[mcheng] = N'空腹血糖';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（男）' AND z.[mcheng] = N'心电图';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（男）' AND z.[mcheng] = N'腹部B超';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（男）' AND z.[mcheng] = N'胸部DR';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（男）' AND z.[mcheng] = N'前列腺B超';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（女）' AND z.[mcheng] = N'一般检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（女）' AND z.[mcheng] = N'内科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（女）' AND z.[mcheng] = N'外科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（女）' AND z.[mcheng] = N'眼科常规';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（女）' AND z.[mcheng] = N'耳鼻喉科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（女）' AND z.[mcheng] = N'口腔科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（女）' AND z.[mcheng] = N'血常规';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（女）' AND z.[mcheng] = N'尿常规';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（女）' AND z.[mcheng] = N'肝功能';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（女）' AND z.[mcheng] = N'肾功能';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（女）' AND z.[mcheng] = N'血脂四项';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（女）' AND z.[mcheng] = N'空腹血糖';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（女）' AND z.[mcheng] = N'心电图';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（女）' AND z.[mcheng] = N'腹部B超';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（女）' AND z.[mcheng] = N'胸部DR';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（女）' AND z.[mcheng] = N'妇科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'标准体检套餐（女）' AND z.[mcheng] = N'子宫附件B超';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'中老年体检套餐' AND z.[mcheng] = N'一般检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'中老年体检套餐' AND z.[mcheng] = N'内科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'中老年体检套餐' AND z.[mcheng] = N'外科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'中老年体检套餐' AND z.[mcheng] = N'眼科常规';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'中老年体检套餐' AND z.[mcheng] = N'耳鼻喉科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'中老年体检套餐' AND z.[mcheng] = N'口腔科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'中老年体检套餐' AND z.[mcheng] = N'血常规';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'中老年体检套餐' AND z.[mcheng] = N'尿常规';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'中老年体检套餐' AND z.[mcheng] = N'肝功能';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'中老年体检套餐' AND z.[mcheng] = N'肾功能';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'中老年体检套餐' AND z.[mcheng] = N'血脂四项';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'中老年体检套餐' AND z.[mcheng] = N'空腹血糖';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'中老年体检套餐' AND z.[mcheng] = N'心电图';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'中老年体检套餐' AND z.[mcheng] = N'腹部B超';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'中老年体检套餐' AND z.[mcheng] = N'胸部DR';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'中老年体检套餐' AND z.[mcheng] = N'眼底检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'中老年体检套餐' AND z.[mcheng] = N'肛门指诊';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'东方机械职工体检套餐' AND z.[mcheng] = N'一般检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'东方机械职工体检套餐' AND z.[mcheng] = N'内科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'东方机械职工体检套餐' AND z.[mcheng] = N'外科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'东方机械职工体检套餐' AND z.[mcheng] = N'血常规';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'东方机械职工体检套餐' AND z.[mcheng] = N'肝功能';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'东方机械职工体检套餐' AND z.[mcheng] = N'空腹血糖';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'东方机械职工体检套餐' AND z.[mcheng] = N'心电图';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'东方机械职工体检套餐' AND z.[mcheng] = N'胸部DR';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（男）' AND z.[mcheng] = N'一般检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（男）' AND z.[mcheng] = N'内科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（男）' AND z.[mcheng] = N'外科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（男）' AND z.[mcheng] = N'眼科常规';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（男）' AND z.[mcheng] = N'血常规';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（男）' AND z.[mcheng] = N'尿常规';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（男）' AND z.[mcheng] = N'肝功能';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（男）' AND z.[mcheng] = N'血脂四项';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（男）' AND z.[mcheng] = N'空腹血糖';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（男）' AND z.[mcheng] = N'心电图';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（男）' AND z.[mcheng] = N'腹部B超';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（男）' AND z.[mcheng] = N'胸部DR';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（女）' AND z.[mcheng] = N'一般检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（女）' AND z.[mcheng] = N'内科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（女）' AND z.[mcheng] = N'外科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（女）' AND z.[mcheng] = N'眼科常规';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（女）' AND z.[mcheng] = N'血常规';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（女）' AND z.[mcheng] = N'尿常规';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（女）' AND z.[mcheng] = N'肝功能';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（女）' AND z.[mcheng] = N'血脂四项';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（女）' AND z.[mcheng] = N'空腹血糖';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（女）' AND z.[mcheng] = N'心电图';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（女）' AND z.[mcheng] = N'腹部B超';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（女）' AND z.[mcheng] = N'胸部DR';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（女）' AND z.[mcheng] = N'妇科检查';
INSERT INTO [dbo].[tjian_tcan_sub] ([tcid], [zhxmid]) SELECT t.[id], z.[id] FROM [dbo].[tjian_tcan_main] t, [dbo].[tjian_zhxmu_main] z WHERE t.[mcheng] = N'华信科技员工套餐（女）' AND z.[mcheng] = N'子宫附件B超';
GO

-- Common results offered when results are entered.
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'未见异常', N'WJYC', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'心脏听诊';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'心律不齐', N'XLBQ', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'心脏听诊';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'心尖区可闻及收缩期杂音', N'XJQKWJSSQZY', 3 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'心脏听诊';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'未见异常', N'WJYC', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'肺部听诊';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'呼吸音粗', N'HXYC', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'肺部听诊';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'可闻及干啰音', N'KWJGLY', 3 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'肺部听诊';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'未触及', N'WCJ', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'肝脏触诊';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'肋下1cm可触及，质软', N'LX1CMKCJ,ZR', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'肝脏触诊';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'未见异常', N'WJYC', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'甲状腺';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'甲状腺结节', N'JZXJJ', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'甲状腺';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'甲状腺肿大', N'JZXZD', 3 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'甲状腺';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'未见异常', N'WJYC', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'乳腺';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'乳腺增生', N'RXZS', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'乳腺';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'未见异常', N'WJYC', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'牙齿';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'龋齿', N'QC', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'牙齿';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'牙列缺损', N'YLQS', 3 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'牙齿';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'未见异常', N'WJYC', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'牙周';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'牙周炎', N'YZY', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'牙周';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'牙结石', N'YJS', 3 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'牙周';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'未见异常', N'WJYC', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'咽喉';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'慢性咽炎', N'MXYY', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'咽喉';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'未见异常', N'WJYC', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'鼻腔';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'鼻中隔偏曲', N'BZGPQ', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'鼻腔';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'慢性鼻炎', N'MXBY', 3 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'鼻腔';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'光滑', N'GH', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'宫颈';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'宫颈炎', N'GJY', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'宫颈';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'宫颈纳氏囊肿', N'GJNSNZ', 3 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'宫颈';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'通畅，分泌物正常', N'TC,FMWZC', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'阴道';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'阴道炎', N'YDY', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'阴道';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'阴性(-)', N'YX(-)', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'尿蛋白';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'弱阳性(±)', N'RYX()', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'尿蛋白';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'阳性(+)', N'YX(+)', 3 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'尿蛋白';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'阳性(++)', N'YX(++)', 4 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'尿蛋白';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'阴性(-)', N'YX(-)', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'尿糖';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'阳性(+)', N'YX(+)', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'尿糖';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'阳性(++)', N'YX(++)', 3 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'尿糖';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'阴性(-)', N'YX(-)', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'尿潜血';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'弱阳性(±)', N'RYX()', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'尿潜血';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'阳性(+)', N'YX(+)', 3 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'尿潜血';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'窦性心律，正常心电图', N'DXXL,ZCXDT', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'心电图';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'窦性心动过缓', N'DXXDGH', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'心电图';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'窦性心动过速', N'DXXDGS', 3 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'心电图';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'ST-T改变', N'ST-TGB', 4 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'心电图';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'完全性右束支传导阻滞', N'WQXYSZCDZZ', 5 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'心电图';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'肝脏大小形态正常，实质回声均匀', N'GZDXXTZC,SZHSJY', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'肝脏';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'脂肪肝', N'ZFG', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'肝脏';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'肝囊肿', N'GNZ', 3 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'肝脏';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'未见明显异常', N'WJMXYC', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'胆囊';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'胆囊结石', N'DNJS', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'胆囊';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'胆囊息肉', N'DNXR', 3 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'胆囊';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'未见明显异常', N'WJMXYC', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'双肾';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'肾结石', N'SJS', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'双肾';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'肾囊肿', N'SNZ', 3 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'双肾';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'未见明显异常', N'WJMXYC', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'前列腺';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'前列腺增生', N'QLXZS', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'前列腺';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'未见明显异常', N'WJMXYC', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'子宫附件';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'子宫肌瘤', N'ZGJL', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'子宫附件';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'卵巢囊肿', N'LCNZ', 3 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'子宫附件';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'双肺纹理清晰，心膈未见异常', N'SFWLQX,XGWJYC', 1 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'胸部正位片';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'双肺纹理增粗', N'SFWLZC', 2 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'胸部正位片';
INSERT INTO [dbo].[tjian_cjjguo] ([xmid], [jguo], [pyjma], [xhao]) SELECT [id], N'主动脉硬化', N'ZDMYH', 3 FROM [dbo].[tjian_xmu] WHERE [mcheng] = N'胸部正位片';
GO

-- Diagnoses with explanation and advice; the texts are the ones the automatic
-- findings and the common results produce.
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'超重', N'体重指数24～27.9', N'CZ', 1, N'内分泌及代谢疾病', N'体重指数（BMI）=体重(kg)/身高(m)²，24～27.9为超重。超重是高血压、糖尿病、血脂异常的危险因素。', N'控制饮食总热量，减少高脂高糖食物；每周至少150分钟中等强度运动，使体重逐步下降到正常范围。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'一般检查';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'肥胖', N'体重指数≥28', N'FP', 2, N'内分泌及代谢疾病', N'体重指数≥28为肥胖，易伴发高血压、2型糖尿病、血脂异常、脂肪肝及睡眠呼吸暂停。', N'低脂低糖饮食，坚持有氧运动，逐步减重；监测血压、血糖、血脂，必要时到内分泌科或营养科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'一般检查';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'体重偏低', N'体重指数<18.5', N'TZPD', 3, N'其他', N'体重指数低于18.5为体重过低，可能与营养摄入不足、消化吸收不良或慢性消耗性疾病有关。', N'保证充足的蛋白质及热量摄入，规律作息；如近期体重明显下降，请到消化科或内分泌科查明原因。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'一般检查';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'血压偏高', N'收缩压≥140mmHg和（或）舒张压≥90mmHg', N'XYPG', 4, N'心血管疾病', N'一次测量血压升高不能诊断高血压，需非同日3次测量均升高方可诊断。长期高血压可损害心、脑、肾及血管。', N'低盐饮食（每日食盐<6克），戒烟限酒，控制体重；非同日复测血压，持续升高请到心内科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'一般检查';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'血压偏低', N'收缩压<90mmHg和（或）舒张压<60mmHg', N'XYPD', 5, N'心血管疾病', N'血压低于正常，多见于体质瘦弱者，可出现头晕、乏力，直立时明显。', N'适当增加营养和饮水，避免突然站立；如有头晕、晕厥等不适，请到心内科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'一般检查';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'脉搏偏快', N'脉搏>100次/分', N'MBPK', 6, N'心血管疾病', N'脉搏增快可见于紧张、运动后、发热、贫血、甲状腺功能亢进等。', N'安静休息后复测；如持续增快，请查甲状腺功能及心电图。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'一般检查';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'心律不齐', N'听诊心律不规则', N'XLBQ', 1, N'心血管疾病', N'心律不齐可为生理性（如窦性心律不齐），也可为早搏、房颤等心律失常。', N'结合心电图结果判断，必要时行动态心电图检查，到心内科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'内科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'呼吸音粗', N'肺部听诊呼吸音粗', N'HXYC', 2, N'呼吸系统疾病', N'多见于吸烟者或急慢性支气管炎。', N'戒烟，避免受凉；如有咳嗽、咳痰，请到呼吸科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'内科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'甲状腺结节', N'触诊甲状腺可及结节', N'JZXJJ', 1, N'内分泌及代谢疾病', N'甲状腺结节很常见，绝大多数为良性。', N'行甲状腺彩超及甲状腺功能检查，定期随访。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'外科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'乳腺增生', N'触诊乳腺腺体增厚', N'RXZS', 2, N'妇科疾病', N'乳腺增生与内分泌失调有关，多在经前出现乳房胀痛。', N'保持心情舒畅，每年复查乳腺彩超；如触及明确肿块请到乳腺外科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'外科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'左眼视力偏低', N'左眼裸眼视力低于4.9', N'ZYSLPD', 1, N'五官科疾病', N'视力下降常见于屈光不正（近视、远视、散光），也可由白内障、眼底病引起。', N'到眼科验光，必要时配镜矫正；注意用眼卫生。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'眼科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'右眼视力偏低', N'右眼裸眼视力低于4.9', N'YYSLPD', 2, N'五官科疾病', N'视力下降常见于屈光不正（近视、远视、散光），也可由白内障、眼底病引起。', N'到眼科验光，必要时配镜矫正；注意用眼卫生。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'眼科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'慢性咽炎', N'咽部黏膜慢性充血', N'MXYY', 1, N'五官科疾病', N'慢性咽炎与吸烟、饮酒、用嗓过度、反流等有关，表现为咽部异物感。', N'戒烟限酒，少食辛辣刺激食物，多饮水；症状明显时到耳鼻喉科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'耳鼻喉科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'鼻中隔偏曲', N'鼻中隔偏离中线', N'BZGPQ', 2, N'五官科疾病', N'轻度偏曲无症状者无需处理；严重者可致鼻塞、头痛、鼻出血。', N'如有持续鼻塞、头痛，请到耳鼻喉科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'耳鼻喉科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'龋齿', N'牙体硬组织龋坏', N'QC', 1, N'五官科疾病', N'龋齿是细菌引起的牙体硬组织破坏，不治疗可发展为牙髓炎。', N'早晚刷牙，饭后漱口，少吃甜食；到口腔科充填治疗。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'口腔科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'牙周炎', N'牙龈红肿、牙周袋形成', N'YZY', 2, N'五官科疾病', N'牙周炎是成人牙齿松动脱落的主要原因。', N'掌握正确刷牙方法，定期洁牙，到口腔科进行牙周治疗。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'口腔科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'宫颈炎', N'宫颈充血、糜烂样改变', N'GJY', 1, N'妇科疾病', N'宫颈炎是常见的妇科疾病，多由感染引起。', N'到妇科进一步检查，行宫颈细胞学（TCT）及HPV筛查。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'妇科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'阴道炎', N'阴道分泌物异常', N'YDY', 2, N'妇科疾病', N'阴道炎常见类型有细菌性、霉菌性及滴虫性阴道炎。', N'注意个人卫生，到妇科行白带常规检查并对症治疗。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'妇科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'白细胞计数偏高', N'白细胞计数>9.5×10^9/L', N'BXBJSPG', 1, N'血液系统疾病', N'白细胞升高多见于细菌感染、炎症，也可见于剧烈运动后及应激状态。', N'如无感染症状，1～2周后复查血常规；持续升高请到血液科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'白细胞计数偏低', N'白细胞计数<3.5×10^9/L', N'BXBJSPD', 2, N'血液系统疾病', N'白细胞减少可见于病毒感染、药物影响、脾功能亢进或血液系统疾病。', N'复查血常规；持续减低请到血液科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'血红蛋白偏低', N'男<130g/L，女<115g/L', N'XHDBPD', 3, N'血液系统疾病', N'血红蛋白低于正常为贫血，最常见的是缺铁性贫血。', N'多食瘦肉、动物肝脏等含铁丰富的食物；到血液科查明贫血原因。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'谷丙转氨酶偏高', N'男>50U/L，女>40U/L', N'GBZAMPG', 4, N'消化系统疾病', N'谷丙转氨酶升高提示肝细胞损伤，常见于脂肪肝、病毒性肝炎、饮酒及药物影响。', N'戒酒，避免熬夜及服用伤肝药物，2～4周后复查肝功能；持续升高请到消化科或肝病科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'谷草转氨酶偏高', N'男>40U/L，女>35U/L', N'GCZAMPG', 5, N'消化系统疾病', N'谷草转氨酶升高可见于肝脏疾病，也可见于心肌、骨骼肌损伤。', N'结合肝功能其他指标分析，复查肝功能。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'尿酸偏高', N'男>428μmol/L，女>357μmol/L', N'NSPG', 6, N'内分泌及代谢疾病', N'高尿酸血症是痛风的生化基础，也与高血压、肾病有关。', N'少食动物内脏、海鲜、啤酒等高嘌呤食物，多饮水；到内分泌科或风湿科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'肌酐偏高', N'男>111μmol/L，女>81μmol/L', N'JGPG', 7, N'泌尿生殖系统疾病', N'血肌酐升高提示肾小球滤过功能下降。', N'复查肾功能及尿常规，到肾内科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'总胆固醇偏高', N'总胆固醇>5.18mmol/L', N'ZDGCPG', 8, N'心血管疾病', N'胆固醇升高是动脉粥样硬化、冠心病及脑卒中的重要危险因素。', N'减少动物脂肪及内脏摄入，增加运动，3个月后复查血脂；必要时到心内科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'甘油三酯偏高', N'甘油三酯>1.70mmol/L', N'GYSZPG', 9, N'内分泌及代谢疾病', N'甘油三酯升高与高热量饮食、饮酒、肥胖有关，明显升高可诱发胰腺炎。', N'限制饮酒及甜食，控制体重，加强运动，3个月后复查血脂。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'低密度脂蛋白胆固醇偏高', N'LDL-C>3.37mmol/L', N'DMDZDBDGCPG', 10, N'心血管疾病', N'低密度脂蛋白胆固醇是导致动脉粥样硬化的主要脂蛋白。', N'低脂饮食，规律运动，复查血脂；合并高血压、糖尿病者请到心内科评估是否用药。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'空腹血糖偏高', N'空腹血糖>6.1mmol/L', N'KFXTPG', 11, N'内分泌及代谢疾病', N'空腹血糖6.1～6.9mmol/L为空腹血糖受损，≥7.0mmol/L需排除糖尿病。', N'控制饮食，减少精制糖摄入，加强运动；复查空腹血糖及糖化血红蛋白，到内分泌科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'窦性心动过缓', N'心率<60次/分', N'DXXDGH', 1, N'心血管疾病', N'窦性心动过缓常见于运动员及健康青年人，也可见于病态窦房结综合征。', N'无不适者定期复查；如有头晕、乏力、黑矇，请到心内科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'心电图室';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'窦性心动过速', N'心率>100次/分', N'DXXDGS', 2, N'心血管疾病', N'可见于紧张、饮茶饮咖啡后、发热、贫血、甲亢等。', N'安静状态下复查心电图，必要时查甲状腺功能。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'心电图室';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'ST-T改变', N'ST段及T波异常', N'ST-TGB', 3, N'心血管疾病', N'ST-T改变可见于心肌缺血，也可为非特异性改变。', N'结合症状到心内科就诊，必要时行运动平板试验或心脏彩超。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'心电图室';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'完全性右束支传导阻滞', N'QRS波群增宽，呈右束支阻滞图形', N'WQXYSZCDZZ', 4, N'心血管疾病', N'可见于健康人，也可见于先天性心脏病、肺心病等。', N'无症状者定期复查心电图；必要时行心脏彩超检查。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'心电图室';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'脂肪肝', N'肝实质回声增强、细密', N'ZFG', 1, N'消化系统疾病', N'脂肪肝是肝细胞内脂肪堆积过多，与肥胖、饮酒、高血脂、糖尿病密切相关，多数可逆。', N'戒酒，控制体重，低脂饮食，加强运动；定期复查肝功能及腹部B超。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'B超室';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'肝囊肿', N'肝内无回声区', N'GNZ', 2, N'消化系统疾病', N'肝囊肿多为先天性良性病变，小的囊肿一般无症状。', N'每年复查腹部B超；囊肿较大或有症状时到肝胆外科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'B超室';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'胆囊结石', N'胆囊内强回声伴声影', N'DNJS', 3, N'消化系统疾病', N'胆囊结石可引起胆绞痛、胆囊炎。', N'低脂饮食，规律进餐；有右上腹疼痛时及时到肝胆外科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'B超室';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'胆囊息肉', N'胆囊壁隆起样病变', N'DNXR', 4, N'消化系统疾病', N'胆囊息肉多为胆固醇性息肉，直径≥10mm者有恶变可能。', N'6～12个月复查腹部B超；息肉增大或≥10mm请到肝胆外科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'B超室';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'肾结石', N'肾内强回声伴声影', N'SJS', 5, N'泌尿生殖系统疾病', N'肾结石可引起腰痛、血尿，结石下移可致肾绞痛。', N'多饮水（每日2000毫升以上），到泌尿外科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'B超室';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'前列腺增生', N'前列腺体积增大', N'QLXZS', 6, N'泌尿生殖系统疾病', N'前列腺增生是中老年男性常见病，可引起尿频、排尿困难。', N'避免憋尿及久坐，少饮酒；有排尿症状请到泌尿外科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'B超室';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'子宫肌瘤', N'子宫内低回声结节', N'ZGJL', 7, N'妇科疾病', N'子宫肌瘤是女性生殖器最常见的良性肿瘤。', N'每6个月复查妇科B超；月经量多或肌瘤增大请到妇科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'B超室';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'双肺纹理增粗', N'胸片示双肺纹理增多增粗', N'SFWLZC', 1, N'呼吸系统疾病', N'多见于吸烟者、慢性支气管炎等。', N'戒烟，预防感冒；有咳嗽、气促请到呼吸科就诊。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'放射科';
INSERT INTO [dbo].[tjian_zdjlyjyi] ([ksid], [zyzduan], [zdmshu], [pyjma], [xhao], [jblbie], [jshi], [jyi])
SELECT [id], N'主动脉硬化', N'主动脉迂曲、钙化', N'ZDMYH', 2, N'心血管疾病', N'主动脉硬化是动脉粥样硬化的表现，多见于中老年人及高血压、高血脂患者。', N'控制血压、血脂、血糖，戒烟，定期体检。' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'放射科';
GO

-- Staff of the two units and two individual clients (unit 0).
INSERT INTO [dbo].[tjian_ryuan] ([xming], [xbie], [csrqi], [nling], [dwid], [fzu], [zdybhao], [rylbid], [whcdu], [hyzkuang], [mzu], [xxing], [sfzhao], [sji], [gzdwei], [yan], [jiu], [pyjma], [djbzhi])
SELECT N'王建军', N'男', '1972-03-15 00:00:00', DATEDIFF(year, '1972-03-15', GETDATE()), (SELECT [id] FROM [dbo].[tjian_dwei] WHERE [mcheng] = N'东方机械制造有限公司'), N'经理', N'DF0001', (SELECT [id] FROM [dbo].[tjian_rylbie] WHERE [mcheng] = N'在职职工'), N'本科', N'已婚', N'汉族', N'A型', N'330102197203150017', N'13905710011', N'东方机械制造有限公司', N'吸烟', N'饮酒', N'WJJ', 0;
INSERT INTO [dbo].[tjian_ryuan] ([xming], [xbie], [csrqi], [nling], [dwid], [fzu], [zdybhao], [rylbid], [whcdu], [hyzkuang], [mzu], [xxing], [sfzhao], [sji], [gzdwei], [yan], [jiu], [pyjma], [djbzhi])
SELECT N'李秀英', N'女', '1978-11-02 00:00:00', DATEDIFF(year, '1978-11-02', GETDATE()), (SELECT [id] FROM [dbo].[tjian_dwei] WHERE [mcheng] = N'东方机械制造有限公司'), N'员工', N'DF0002', (SELECT [id] FROM [dbo].[tjian_rylbie] WHERE [mcheng] = N'在职职工'), N'大专', N'已婚', N'汉族', N'O型', N'330102197811020028', N'13905710012', N'东方机械制造有限公司', N'不吸烟', N'不饮酒', N'LXY', 0;
INSERT INTO [dbo].[tjian_ryuan] ([xming], [xbie], [csrqi], [nling], [dwid], [fzu], [zdybhao], [rylbid], [whcdu], [hyzkuang], [mzu], [xxing], [sfzhao], [sji], [gzdwei], [yan], [jiu], [pyjma], [djbzhi])
SELECT N'张伟', N'男', '1985-06-21 00:00:00', DATEDIFF(year, '1985-06-21', GETDATE()), (SELECT [id] FROM [dbo].[tjian_dwei] WHERE [mcheng] = N'东方机械制造有限公司'), N'员工', N'DF0003', (SELECT [id] FROM [dbo].[tjian_rylbie] WHERE [mcheng] = N'在职职工'), N'中专', N'已婚', N'汉族', N'B型', N'330103198506210031', N'13905710013', N'东方机械制造有限公司', N'不吸烟', N'饮酒', N'ZW', 0;
INSERT INTO [dbo].[tjian_ryuan] ([xming], [xbie], [csrqi], [nling], [dwid], [fzu], [zdybhao], [rylbid], [whcdu], [hyzkuang], [mzu], [xxing], [sfzhao], [sji], [gzdwei], [yan], [jiu], [pyjma], [djbzhi])
SELECT N'刘芳', N'女', '1990-09-08 00:00:00', DATEDIFF(year, '1990-09-08', GETDATE()), (SELECT [id] FROM [dbo].[tjian_dwei] WHERE [mcheng] = N'东方机械制造有限公司'), N'员工', N'DF0004', (SELECT [id] FROM [dbo].[tjian_rylbie] WHERE [mcheng] = N'在职职工'), N'本科', N'已婚', N'回族', N'AB型', N'330104199009080046', N'13905710014', N'东方机械制造有限公司', N'不吸烟', N'不饮酒', N'LF', 0;
INSERT INTO [dbo].[tjian_ryuan] ([xming], [xbie], [csrqi], [nling], [dwid], [fzu], [zdybhao], [rylbid], [whcdu], [hyzkuang], [mzu], [xxing], [sfzhao], [sji], [gzdwei], [yan], [jiu], [pyjma], [djbzhi])
SELECT N'陈志强', N'男', '1963-01-30 00:00:00', DATEDIFF(year, '1963-01-30', GETDATE()), (SELECT [id] FROM [dbo].[tjian_dwei] WHERE [mcheng] = N'东方机械制造有限公司'), N'员工', N'DF0005', (SELECT [id] FROM [dbo].[tjian_rylbie] WHERE [mcheng] = N'退休职工'), N'高中', N'已婚', N'汉族', N'O型', N'330102196301300053', N'13905710015', N'东方机械制造有限公司', N'吸烟', N'不饮酒', N'CZQ', 0;
INSERT INTO [dbo].[tjian_ryuan] ([xming], [xbie], [csrqi], [nling], [dwid], [fzu], [zdybhao], [rylbid], [whcdu], [hyzkuang], [mzu], [xxing], [sfzhao], [sji], [gzdwei], [yan], [jiu], [pyjma], [djbzhi])
SELECT N'赵磊', N'男', '1992-04-12 00:00:00', DATEDIFF(year, '1992-04-12', GETDATE()), (SELECT [id] FROM [dbo].[tjian_dwei] WHERE [mcheng] = N'华信科技有限公司'), N'经理', N'HX001', (SELECT [id] FROM [dbo].[tjian_rylbie] WHERE [mcheng] = N'在职职工'), N'研究生', N'已婚', N'汉族', N'A型', N'330106199204120014', N'13857100021', N'华信科技有限公司', N'不吸烟', N'不饮酒', N'ZL', 0;
INSERT INTO [dbo].[tjian_ryuan] ([xming], [xbie], [csrqi], [nling], [dwid], [fzu], [zdybhao], [rylbid], [whcdu], [hyzkuang], [mzu], [xxing], [sfzhao], [sji], [gzdwei], [yan], [jiu], [pyjma], [djbzhi])
SELECT N'孙婷', N'女', '1996-12-25 00:00:00', DATEDIFF(year, '1996-12-25', GETDATE()), (SELECT [id] FROM [dbo].[tjian_dwei] WHERE [mcheng] = N'华信科技有限公司'), N'员工', N'HX002', (SELECT [id] FROM [dbo].[tjian_rylbie] WHERE [mcheng] = N'在职职工'), N'本科', N'未婚', N'汉族', N'O型', N'330106199612250027', N'13857100022', N'华信科技有限公司', N'不吸烟', N'不饮酒', N'ST', 0;
INSERT INTO [dbo].[tjian_ryuan] ([xming], [xbie], [csrqi], [nling], [dwid], [fzu], [zdybhao], [rylbid], [whcdu], [hyzkuang], [mzu], [xxing], [sfzhao], [sji], [gzdwei], [yan], [jiu], [pyjma], [djbzhi])
SELECT N'周明', N'男', '1998-07-19 00:00:00', DATEDIFF(year, '1998-07-19', GETDATE()), (SELECT [id] FROM [dbo].[tjian_dwei] WHERE [mcheng] = N'华信科技有限公司'), N'员工', N'HX003', (SELECT [id] FROM [dbo].[tjian_rylbie] WHERE [mcheng] = N'在职职工'), N'本科', N'未婚', N'汉族', N'B型', N'330106199807190035', N'13857100023', N'华信科技有限公司', N'不吸烟', N'不饮酒', N'ZM', 0;
INSERT INTO [dbo].[tjian_ryuan] ([xming], [xbie], [csrqi], [nling], [dwid], [fzu], [zdybhao], [rylbid], [whcdu], [hyzkuang], [mzu], [xxing], [sfzhao], [sji], [gzdwei], [yan], [jiu], [pyjma], [djbzhi])
SELECT N'吴静', N'女', '1994-02-14 00:00:00', DATEDIFF(year, '1994-02-14', GETDATE()), (SELECT [id] FROM [dbo].[tjian_dwei] WHERE [mcheng] = N'华信科技有限公司'), N'员工', N'HX004', (SELECT [id] FROM [dbo].[tjian_rylbie] WHERE [mcheng] = N'在职职工'), N'研究生', N'已婚', N'汉族', N'A型', N'330106199402140048', N'13857100024', N'华信科技有限公司', N'不吸烟', N'不饮酒', N'WJ', 0;
INSERT INTO [dbo].[tjian_ryuan] ([xming], [xbie], [csrqi], [nling], [dwid], [fzu], [zdybhao], [rylbid], [whcdu], [hyzkuang], [mzu], [xxing], [sfzhao], [sji], [gzdwei], [yan], [jiu], [pyjma], [djbzhi])
SELECT N'郑国华', N'男', '1968-08-08 00:00:00', DATEDIFF(year, '1968-08-08', GETDATE()), 0, NULL, NULL, (SELECT [id] FROM [dbo].[tjian_rylbie] WHERE [mcheng] = N'个人客户'), N'高中', N'已婚', N'汉族', N'O型', N'330105196808080019', N'13600570031', N'', N'吸烟', N'饮酒', N'ZGH', 0;
INSERT INTO [dbo].[tjian_ryuan] ([xming], [xbie], [csrqi], [nling], [dwid], [fzu], [zdybhao], [rylbid], [whcdu], [hyzkuang], [mzu], [xxing], [sfzhao], [sji], [gzdwei], [yan], [jiu], [pyjma], [djbzhi])
SELECT N'何丽', N'女', '1982-05-17 00:00:00', DATEDIFF(year, '1982-05-17', GETDATE()), 0, NULL, NULL, (SELECT [id] FROM [dbo].[tjian_rylbie] WHERE [mcheng] = N'个人客户'), N'大专', N'已婚', N'汉族', N'B型', N'330105198205170022', N'13600570032', N'', N'不吸烟', N'不饮酒', N'HL', 0;
GO

-- Users of different departments with their grants; empty passwords.
INSERT INTO [dbo].[pub_yhu] ([zhao], [xming], [xhao], [pyjma], [xbie], [kshi], [dhua], [yhlbie], [jjie], [mma], [qxian])
SELECT N'wangh', N'王红', 2, N'WH', 2, [id], N'0571-86000101', 5, N'前台登记，负责团检及散检登记、导检单打印', N'', N'M1' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'客户服务部';
INSERT INTO [dbo].[pub_yhu] ([zhao], [xming], [xhao], [pyjma], [xbie], [kshi], [dhua], [yhlbie], [jjie], [mma], [qxian])
SELECT N'zhangy', N'张毅', 3, N'ZY', 1, [id], N'0571-86000201', 2, N'内科主治医师', N'', N'M1' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'内科';
INSERT INTO [dbo].[pub_yhu] ([zhao], [xming], [xhao], [pyjma], [xbie], [kshi], [dhua], [yhlbie], [jjie], [mma], [qxian])
SELECT N'lip', N'李萍', 4, N'LP', 2, [id], N'0571-86000301', 2, N'检验科主管技师', N'', N'M1' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'检验科';
INSERT INTO [dbo].[pub_yhu] ([zhao], [xming], [xhao], [pyjma], [xbie], [kshi], [dhua], [yhlbie], [jjie], [mma], [qxian])
SELECT N'chenj', N'陈静', 5, N'CJ', 2, [id], N'0571-86000401', 2, N'超声科医师', N'', N'M1' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'B超室';
INSERT INTO [dbo].[pub_yhu] ([zhao], [xming], [xhao], [pyjma], [xbie], [kshi], [dhua], [yhlbie], [jjie], [mma], [qxian])
SELECT N'zhaom', N'赵敏', 6, N'ZM', 1, [id], N'0571-86000202', 3, N'内科副主任医师，负责总检', N'', N'M1' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'内科';
INSERT INTO [dbo].[pub_yhu] ([zhao], [xming], [xhao], [pyjma], [xbie], [kshi], [dhua], [yhlbie], [jjie], [mma], [qxian])
SELECT N'sunl', N'孙丽', 7, N'SL', 2, [id], N'0571-86000102', 6, N'收费员', N'', N'M1' FROM [dbo].[pub_kshi] WHERE [mcheng] = N'客户服务部';
GO

INSERT INTO [dbo].[pub_yhqxian] ([yhid], [qxzhi], [qxcdan]) SELECT u.[id], c.[qxzhi], c.[qxcdan] FROM [dbo].[pub_yhu] u, [dbo].[his_qxcdan] c
 WHERE u.[zhao] = N'wangh' AND c.[qxzhi] = N'M1' AND c.[qxcdan] IN (N'01', N'0101', N'0102', N'0103', N'0104', N'0105', N'0106', N'0107', N'0108', N'0109', N'0110', N'0111', N'0112', N'0113', N'0114', N'0115', N'0116', N'0117', N'04', N'0401', N'0402', N'0403', N'0406', N'0407');
INSERT INTO [dbo].[pub_yhqxian] ([yhid], [qxzhi], [qxcdan]) SELECT u.[id], c.[qxzhi], c.[qxcdan] FROM [dbo].[pub_yhu] u, [dbo].[his_qxcdan] c
 WHERE u.[zhao] = N'zhangy' AND c.[qxzhi] = N'M1' AND c.[qxcdan] IN (N'02', N'0201', N'0202');
INSERT INTO [dbo].[pub_yhqxian] ([yhid], [qxzhi], [qxcdan]) SELECT u.[id], c.[qxzhi], c.[qxcdan] FROM [dbo].[pub_yhu] u, [dbo].[his_qxcdan] c
 WHERE u.[zhao] = N'lip' AND c.[qxzhi] = N'M1' AND c.[qxcdan] IN (N'02', N'0201', N'0202');
INSERT INTO [dbo].[pub_yhqxian] ([yhid], [qxzhi], [qxcdan]) SELECT u.[id], c.[qxzhi], c.[qxcdan] FROM [dbo].[pub_yhu] u, [dbo].[his_qxcdan] c
 WHERE u.[zhao] = N'chenj' AND c.[qxzhi] = N'M1' AND c.[qxcdan] IN (N'02', N'0201');
INSERT INTO [dbo].[pub_yhqxian] ([yhid], [qxzhi], [qxcdan]) SELECT u.[id], c.[qxzhi], c.[qxcdan] FROM [dbo].[pub_yhu] u, [dbo].[his_qxcdan] c
 WHERE u.[zhao] = N'zhaom' AND c.[qxzhi] = N'M1' AND c.[qxcdan] IN (N'02', N'0201', N'0202', N'03', N'0301', N'0302', N'04', N'0401', N'0402', N'0403', N'0404', N'0406', N'0407', N'0408', N'05', N'0507');
INSERT INTO [dbo].[pub_yhqxian] ([yhid], [qxzhi], [qxcdan]) SELECT u.[id], c.[qxzhi], c.[qxcdan] FROM [dbo].[pub_yhu] u, [dbo].[his_qxcdan] c
 WHERE u.[zhao] = N'sunl' AND c.[qxzhi] = N'M1' AND c.[qxcdan] IN (N'01', N'0106', N'05', N'0501', N'0502', N'0503', N'0504');
GO

-- Centre parameters: name, start of use (now) and the monthly cut-off.
INSERT INTO [dbo].[tjian_csszhi] ([jian], [zhi]) VALUES (N'体检中心名称', N'市健康体检中心');
INSERT INTO [dbo].[tjian_csszhi] ([jian], [zhi]) SELECT N'软件启用时间', CONVERT(varchar(19), GETDATE(), 120);
INSERT INTO [dbo].[tjian_csszhi] ([jian], [zhi]) VALUES (N'月结设置', N'月底 18:00:00');
GO
